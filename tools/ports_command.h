#pragma once

// `corekit ports`: the serial ports of the machine, one a line with their description and ids;
// --long with every detail, --json as one array of objects; --watch shows the ports that come and
// go as they do; --probe adds the rate and protocols of the receiver on each port, or on the
// ports named.

#include <memory>
#include <string>
#include <vector>

#include "corekit/gnss/com_port_probe.h"
#include "corekit/util/com_port_info.h"
#include "tools/command.h"

namespace corekit::tool {

enum class PortsFormat { Lines, Long, Json };

// The ports in the format: a line each, a block of labelled lines each, or a JSON array (keys
// name, path, description, transport, vid, pid, serial, manufacturer, product, location,
// interface, by_id, by_path, gnss; texts in UTF-8). No ports give a line saying so, or [] in JSON.
// With probes (one for each port), each port also has the rate and protocols found on it (JSON:
// baud, 0 when none, and protocols, an array of names), or what the probe met instead.
std::string FormatPorts(const std::vector<TComPortInfo>& ports, PortsFormat format,
                        const std::vector<TComPortProbeResult>* probes = nullptr);

// Adds the `ports` subcommand to the application.
std::unique_ptr<Command> AddPortsCommand(CLI::App& app);

}  // namespace corekit::tool
