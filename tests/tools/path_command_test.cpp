#include "tools/path_command.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <sstream>
#include <string>

namespace {

TEST(ToolPathCommand, PrintsPartsAndCompositions) {
  EXPECT_EQ(corekit::tool::FormatPath(TSplitPath("C:\\data\\survey.job"), 13),
            "Network path       no\n"
            "Host               (empty)\n"
            "Volume             C\n"
            "Directory          \\data\n"
            "Name               survey\n"
            "Extension          .job\n"
            "All parts          C:\\data\\survey.job\n"
            "Root               C:\\\n"
            "Folder             C:\\data\\\n"
            "Without folder     C:\\survey.job\n"
            "File name          survey.job\n"
            "Squeezed to 13     C:\\survey.job\n");

  const std::string network =
      corekit::tool::FormatPath(TSplitPath("\\\\srv\\share\\dir\\f.txt"), 0);
  for (const char* line :
       {"Network path       yes\n", "Host               srv\n",
        "Root               \\\\srv\\share\\\n", "Folder             \\\\srv\\share\\dir\\\n",
        "Squeezed to 0      (nothing fits)\n"}) {
    EXPECT_NE(network.find(line), std::string::npos) << line << network;
  }
  EXPECT_EQ(corekit::tool::FormatPath(TSplitPath("x"), std::nullopt).find("Squeezed"),
            std::string::npos);

  const std::string text = "C:\\" + std::string(300, 'd') + "\\survey.job";
  const std::string longPath = corekit::tool::FormatPath(TSplitPath(text.c_str()), std::nullopt);
  EXPECT_NE(longPath.find("All parts          (longer than 259 characters)\n"), std::string::npos)
      << longPath;
  EXPECT_NE(longPath.find("File name          survey.job\n"), std::string::npos);
}

// A squeeze that is no number is refused in the tool's own run (check_tool.cmake).
TEST(ToolPathCommand, RefusesABadSqueezeOnOneLine) {
  using corekit::tool::ExitOk;
  const std::pair<const char*, int> cases[] = {
      {"5", ExitOk}, {"-5", ExitOk}, {"2147483648", corekit::tool::ExitUsage}};
  for (const auto& [squeeze, code] : cases) {
    CLI::App app;
    const auto command = corekit::tool::AddPathCommand(app);
    app.parse(std::string("path a/b.txt --squeeze ") + squeeze, false);
    ASSERT_TRUE(command->Selected());
    std::ostringstream out, err;
    EXPECT_EQ(command->Run(out, err), code) << squeeze;
    if (code == ExitOk) {
      EXPECT_NE(out.str().find("Name               b\n"), std::string::npos) << out.str();
    } else {
      EXPECT_EQ(out.str(), "") << squeeze;
      EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << err.str();
    }
  }
}

}  // namespace
