#include "presentation/theme_host.h"

namespace {

std::shared_ptr<ThemeHost>& Host() {
  static std::shared_ptr<ThemeHost> host;
  return host;
}

}  // namespace

void SetThemeHost(std::shared_ptr<ThemeHost> host) { Host() = std::move(host); }

ThemeHost* CurrentThemeHost() { return Host().get(); }
