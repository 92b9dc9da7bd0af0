#include "support/localization.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "scratch_dir.h"

namespace {

// The service is global: every test starts and ends without resources.
class LocalizationTest : public ::testing::Test {
 protected:
  void SetUp() override { Localization::Dispose(); }
  void TearDown() override { Localization::Dispose(); }
  ScratchDir dir;
};

const char* const kGerman =
    "FILE_LANGUAGE = Deutsch\r\n"
    "TITLE=Main = menu\r\n"
    "SHARED=before groups\n"
    "\tPADDED\t=  value with blanks  \r\n"
    "[a]\r\n"
    "SHARED=in a\r\n"
    "ONLY_A=first\n"
    "KEY=one\n"
    "[b]\n"
    "ONLY_A=second\n"
    "ONLY_B=bee\n"
    " [c] \n"
    "no equals sign here\n";

TEST_F(LocalizationTest, LanguageFromFileName) {
  EXPECT_EQ(Localization::GetLanguageFromFilename("lang/german.lang"), "german");
  EXPECT_EQ(Localization::GetLanguageFromFilename("german.lang"), "");
  EXPECT_EQ(Localization::GetLanguageFromFilename("lang/german"), "german");
  EXPECT_EQ(Localization::GetLanguageFromFilename("a.b/lang/en.utf8.lang"), "en");
}

TEST_F(LocalizationTest, MemoryResourceReadingRules) {
  auto res = LocalizationMemoryResource::open(dir.Write("german.lang", kGerman));
  EXPECT_EQ(res->language, "german");
  EXPECT_EQ(res->GetString("TITLE", ""), "Main = menu");
  EXPECT_EQ(res->GetString("PADDED", ""), "value with blanks");
  // A bare key keeps its value from before the first group.
  EXPECT_EQ(res->GetString("SHARED", ""), "before groups");
  EXPECT_EQ(res->GetString("SHARED", "a"), "in a");
  // Without a pre-group definition the bare key keeps its first group's value.
  EXPECT_EQ(res->GetString("ONLY_A", ""), "first");
  EXPECT_EQ(res->GetString("ONLY_A", "b"), "second");
  // The header line of b stores the last entry of a (KEY=one) under b too.
  EXPECT_EQ(res->GetString("KEY", "b"), "one");
  // " [c] " starts with a blank, so it opens no group: it and the line
  // without "=" only store ONLY_B again under b.
  EXPECT_EQ(res->map.count("c::ONLY_B"), 0u);
  EXPECT_EQ(res->GetString("ONLY_B", "b"), "bee");
  // Undefined keys answer with the key itself.
  EXPECT_EQ(res->GetString("MISSING", ""), "MISSING");
  EXPECT_EQ(res->GetString("TITLE", "a"), "TITLE");
}

TEST_F(LocalizationTest, MemoryGroupHeadersAreTrimmedInside) {
  auto res = LocalizationMemoryResource::open(dir.Write("x.lang", "[ g ]\nK=v\n[]\nL=w\n"), "xx");
  EXPECT_EQ(res->language, "xx");
  EXPECT_EQ(res->GetString("K", "g"), "v");
  // An empty group name means no group: L is stored bare only.
  EXPECT_EQ(res->GetString("L", ""), "w");
  EXPECT_EQ(res->map.count("::L"), 0u);
}

TEST_F(LocalizationTest, StreamingResourceLookups) {
  auto res = LocalizationStreamingResource::open(dir.Write("german.lang", kGerman));
  EXPECT_EQ(res->GetString("TITLE", ""), "Main = menu");
  EXPECT_EQ(res->GetString("ONLY_A", ""), "first");  // the first definition in the file
  EXPECT_EQ(res->GetString("ONLY_A", "b"), "second");
  // Keys before the first group are found whatever group is asked for.
  EXPECT_EQ(res->GetString("SHARED", "b"), "before groups");
  EXPECT_EQ(res->GetString("ONLY_B", "a"), "");
  EXPECT_EQ(res->GetString("MISSING", ""), "");
  // Lines are trimmed before the header test, unlike the memory resource.
  auto spaced = LocalizationStreamingResource::open(dir.Write("s.lang", " [ g ] \nK=v\n[g]\nK=w\n"), "s");
  EXPECT_EQ(spaced->GetString("K", "g"), "w");
  EXPECT_EQ(spaced->GetString("K", " g "), "v");
  spaced->Close();
  EXPECT_EQ(spaced->GetString("K", "g"), "");
}

TEST_F(LocalizationTest, ServiceAsksTheCurrentLanguageInOrder) {
  Localization::AddLanguages(" german ,english,  ");
  ASSERT_EQ(Localization::Languages().size(), 3u);
  EXPECT_EQ(Localization::Languages()[0], "german");
  EXPECT_EQ(Localization::Languages()[2], "");
  EXPECT_EQ(Localization::SetLanguage("german"), 1);
  EXPECT_EQ(Localization::SetLanguage("french"), 0);
  EXPECT_EQ(Localization::Language(), "german");

  dir.Write("english.lang", "YES=Yes\nONLY_EN=en\n");
  dir.Write("german2.lang", "YES=Ja2\nEXTRA=mehr\n");
  Localization::OpenResource(dir.Write("german.lang", "YES=Ja\n"));
  Localization::LoadResource(dir.File("english.lang"));
  LocalizationStreamingResource::open(dir.File("german2.lang"), "german");
  EXPECT_EQ(Localization::GetString("YES"), "Ja");  // the first resource answers
  EXPECT_EQ(Localization::GetString("EXTRA"), "mehr");  // an empty answer asks the next
  EXPECT_EQ(Localization::GetString("ONLY_EN"), "");
  EXPECT_EQ(Localization::SetLanguage("english"), 1);
  EXPECT_EQ(Localization::GetString("YES"), "Yes");
  EXPECT_EQ(Localization::GetString("NOT_THERE"), "NOT_THERE");  // memory resources echo the key
  Localization::AddLanguages("klingon");
  Localization::SetLanguage("klingon");
  EXPECT_EQ(Localization::GetString("YES"), "");
}

TEST_F(LocalizationTest, OpeningErrors) {
  try {
    LocalizationMemoryResource::open("german.lang");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()),
              "No language was specified for loading the resource file and the language could not be detected from "
              "the filename itself.\r\nPlease specify the language or use the format \"name_language.extension\" "
              "for the resource files.");
  }
  const std::string missing = dir.File("missing.lang");
  try {
    Localization::OpenResource(missing);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "The resource file \"" + missing + "\" was not found or could not be opened for reading.");
  }
  Localization::AddLanguages("missing");
  Localization::SetLanguage("missing");
  EXPECT_EQ(Localization::GetString("X"), "");  // nothing was registered
}

TEST_F(LocalizationTest, ResourceFilesByPatternAndClosing) {
  dir.Write("german.lang", "K=de\n");
  dir.Write("english.lang", "K=en\n");
  dir.Write("notes.txt", "K=txt\n");
  dir.Write("x.lang.bak", "K=bak\n");
  auto files = Localization::GetResourceFiles(dir.File("*.lang"));
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0], dir.File("english.lang"));
  EXPECT_EQ(files[1], dir.File("german.lang"));
  EXPECT_EQ(Localization::GetResourceFiles(dir.File("g*")).size(), 1u);
  EXPECT_TRUE(Localization::GetResourceFiles(dir.File("german.lang")).empty());

  Localization::LoadResources(dir.File("*.lang"));
  Localization::AddLanguages("german,english");
  Localization::SetLanguage("german");
  EXPECT_EQ(Localization::GetString("K"), "de");
  Localization::Dispose();
  EXPECT_EQ(Localization::GetString("K"), "");
  EXPECT_TRUE(Localization::Languages().empty());
  EXPECT_EQ(Localization::SetLanguage("german"), 0);

  auto res = Localization::LoadResource(dir.File("german.lang"));
  Localization::AddLanguages("german");
  res->Close();
  EXPECT_TRUE(res->map.empty());
  EXPECT_EQ(Localization::GetString("K"), "");
  res->Close();  // closing twice is harmless
}

}  // namespace
