#pragma once

#include <string>

#include "cli/CommandLine.h"
#include "cli/ExportGraph.h"

namespace palaver {

// The interchange formats of palaver-cli export. Each is a pure function of the graph, so equal
// lines of argumentation give equal bytes; text is UTF-8, a byte that is not part of valid UTF-8
// standing for its Latin-1 character; each ends with a line feed.

// AIF-JSON as argument databases and web analysis tools read it: "nodes" (I, RA and CA nodes
// with "nodeID", "text", "type" and "timestamp"), "edges" ("edgeID", "fromID", "toID",
// "formEdgeID"), an empty "locutions" list, and "palaver": what AIF has no slot for (statement
// Id, type and status of an I-node; kind of an RA-node), keyed by node ID.
std::string AifJson(const TExportGraph& Graph);

// An Argdown document: every statement as "[S<key>]: sentence #type #status", then the
// relations, one block each.
std::string ArgdownText(const TExportGraph& Graph);

// A Graphviz digraph of statements, connections and exceptions.
std::string DotText(const TExportGraph& Graph);

std::string ExportText(const TExportGraph& Graph, TExportFormat Format);

// The timestamp every AIF node carries: an export records no time, so that it stays the same
// for the same line; this fixed value parses as a date for the tools that expect one.
inline constexpr const char* AifTimestamp = "1970-01-01 00:00:00";

// Writes Bytes to Path, replacing the file safely. Throws TPlatformError "Cannot create file
// <path>" when it cannot.
void WriteExportFile(const std::string& Path, const std::string& Bytes);

}  // namespace palaver
