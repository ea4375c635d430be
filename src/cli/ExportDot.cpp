#include <string>
#include <string_view>

#include "cli/ExportFormats.h"
#include "cli/JsonWriter.h"

namespace palaver {

namespace {

// Labels are wrapped at blanks to about this many characters, so that a long sentence makes a
// tall box rather than one that is wider than the page.
constexpr std::size_t LabelLineLength = 40;

// Text as the inside of a DOT string: quotes and backslashes escaped (a backslash would
// otherwise start one of Graphviz's label escapes), control characters as blanks, and a line
// break at the last blank before each LabelLineLength characters.
std::string DotEscaped(std::string_view Sentence) {
  std::string Clean;
  AppendUtf8Text(Clean, Sentence);
  std::string Out;
  std::size_t LineChars = 0;
  for (const char Char : Clean) {
    const auto Byte = static_cast<unsigned char>(Char);
    const bool Continuation = (Byte & 0xC0) == 0x80;
    if (Byte < 0x20 || Byte == 0x7F || Byte == ' ') {
      if (LineChars >= LabelLineLength) {
        Out += "\\n";
        LineChars = 0;
      } else {
        Out += ' ';
        ++LineChars;
      }
      continue;
    }
    if (Byte == '"' || Byte == '\\') Out += '\\';
    Out += Char;
    if (!Continuation) ++LineChars;
  }
  return Out;
}

struct TStatusStyle {
  const char* Fill;
  const char* Border;
  // The line style carries the status too, for a picture printed without colour.
  const char* Style;
};

TStatusStyle StyleOf(TJustificationStatus Status) {
  switch (Status) {
    case TJustificationStatus::Justified:
      return {"#d8f0d8", "#2e7d32", "rounded,filled"};
    case TJustificationStatus::Unjustified:
      return {"#f8dada", "#c62828", "rounded,filled,dashed"};
    case TJustificationStatus::NotEvaluated:
      break;
  }
  return {"#ffffff", "#757575", "rounded,filled,dotted"};
}

std::string StatementNode(const TExportGraph& Graph, int Index) {
  return "\"S" + Graph.Statements[static_cast<std::size_t>(Index)].Key + "\"";
}

void AppendEdge(std::string& Out, const std::string& From, const std::string& To,
                std::string_view Attributes) {
  Out += "  " + From + " -> " + To;
  if (!Attributes.empty()) {
    Out += " [";
    Out += Attributes;
    Out += ']';
  }
  Out += ";\n";
}

}  // namespace

std::string DotText(const TExportGraph& Graph) {
  std::string Out =
      "digraph palaver {\n"
      "  graph [rankdir=BT];\n"
      "  node [shape=box, fontname=\"sans-serif\", fontsize=10, penwidth=1.5];\n"
      "  edge [fontname=\"sans-serif\", fontsize=9];\n";

  Out +=
      "\n  // Statements: justified green with a solid border, unjustified red with a dashed"
      " one.\n";
  for (std::size_t I = 0; I < Graph.Statements.size(); ++I) {
    const TExportStatement& S = Graph.Statements[I];
    const TStatusStyle Style = StyleOf(S.Status);
    Out += "  " + StatementNode(Graph, static_cast<int>(I)) + " [label=\"" +
           DotEscaped(S.Sentence) + "\\nS" + S.Key + " (" + ExportTypeName(S.Type) + ", " +
           ExportStatusName(S.Status) + ")\", style=\"" + Style.Style + "\", fillcolor=\"" +
           Style.Fill + "\", color=\"" + Style.Border + "\"];\n";
  }

  if (!Graph.Connections.empty())
    Out +=
        "\n  // Connections meet at a point C<n>, exceptions at a point C<n>E<m> on the way to"
        " it.\n";
  for (std::size_t K = 0; K < Graph.Connections.size(); ++K) {
    const TExportConnection& C = Graph.Connections[K];
    const std::string Step = "\"C" + std::to_string(K + 1) + "\"";
    Out += "  " + Step + " [shape=point, width=0.08];\n";
    AppendEdge(Out, StatementNode(Graph, C.Reason), Step, "arrowhead=none");
    AppendEdge(Out, Step, StatementNode(Graph, C.Conclusion),
               C.Kind == TConnectionKind::Defeating ? "arrowhead=tee, label=\"defeats\"" : "");
    if (C.Warrant)
      AppendEdge(Out, StatementNode(Graph, *C.Warrant), Step,
                 "style=dotted, arrowhead=empty, label=\"warrant\"");
    for (std::size_t J = 0; J < C.Exceptions.size(); ++J) {
      const TExportException& X = C.Exceptions[J];
      const std::string Block = "\"C" + std::to_string(K + 1) + "E" + std::to_string(J + 1) + "\"";
      Out += "  " + Block + " [shape=point, width=0.06, color=\"#c62828\"];\n";
      AppendEdge(Out, StatementNode(Graph, X.Statement), Block,
                 "arrowhead=none, color=\"#c62828\"");
      AppendEdge(Out, Block, Step,
                 R"(arrowhead=tee, color="#c62828", style=bold, label="exception")");
      if (X.Warrant)
        AppendEdge(Out, StatementNode(Graph, *X.Warrant), Block,
                   "style=dotted, arrowhead=empty, label=\"warrant\"");
    }
  }
  Out += "}\n";
  return Out;
}

}  // namespace palaver
