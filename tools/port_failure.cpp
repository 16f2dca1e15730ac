#include "tools/port_failure.h"

#include "corekit/errors/error_reporter.h"
#include "corekit/gnss/com_port_probe.h"
#include "corekit/util/com_port_stream.h"
#include "tools/command.h"

namespace corekit::tool {

std::string PortResultText(LONG code) {
  if (code == S_COMPORT_SILENT) return "nothing came from the port";
  if (code == S_COMPORT_NOFRAMES) return "no receiver protocol at any rate";
  return std::string(TErrorReporter::ErrorToText(code));
}

int ReportPortFailure(std::ostream& err, const char* command, const std::string& port, LONG code) {
  err << "corekit: " << command << ": " << port << ": " << PortResultText(code) << "\n";
  return code == E_COMPORT_NOTFOUND ? ExitUsage : ExitFailure;
}

}  // namespace corekit::tool
