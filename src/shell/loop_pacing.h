// How long the main loop may sleep after a pass that did nothing: until the
// next update or frame is due, so an idle game does not wake a thousand
// times a second; a hidden window wants no frames at all.
#pragma once

// update_due_s and frame_due_s: seconds until the next update and the next
// frame are due (frame_due_s is ignored when no frames are wanted). Under
// a virtual clock (headless runs) a pass always sleeps 1 ms, so scripted
// runs keep the exact schedule their reference pictures were made with.
int IdleSleepMs(float update_due_s, float frame_due_s, bool frames_wanted, bool virtual_clock);
