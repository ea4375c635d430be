#include <string>
#include <string_view>

#include "cli/ExportFormats.h"
#include "cli/JsonWriter.h"

namespace palaver {

namespace {

// Characters that Argdown reads as markup inside a statement's text: titles and mentions
// ([ ] < > @), tags (#), emphasis (* _), data ({ }), comments (/) and the escape itself. Each is
// written with a backslash before it, which Argdown drops again.
constexpr std::string_view ArgdownSpecials = "\\[]<>#@*_{}/";

// A sentence as Argdown statement text. A control character would end the line or be unreadable,
// so it becomes a blank.
std::string ArgdownEscaped(std::string_view Sentence) {
  std::string Escaped;
  for (const char C : Sentence) {
    const auto Byte = static_cast<unsigned char>(C);
    if (Byte < 0x20 || Byte == 0x7F) {
      Escaped += ' ';
      continue;
    }
    if (ArgdownSpecials.find(C) != std::string_view::npos) Escaped += '\\';
    Escaped += C;
  }
  std::string Text;
  AppendUtf8Text(Text, Escaped);
  return Text;
}

std::string StatementTitle(const TExportGraph& Graph, int Index) {
  return "[S" + Graph.Statements[static_cast<std::size_t>(Index)].Key + "]";
}

std::string ConnectionTitle(std::size_t Index) {
  return "<C" + std::to_string(Index + 1) + ">";
}

// A relation in its own block: the source element, then the relation indented below it.
void AppendRelation(std::string& Out, const std::string& From, std::string_view Sign,
                    const std::string& To) {
  Out += '\n';
  Out += From;
  Out += "\n  ";
  Out += Sign;
  Out += ' ';
  Out += To;
  Out += '\n';
}

}  // namespace

std::string ArgdownText(const TExportGraph& Graph) {
  // Argdown reads a document with no element at all as an error, so an empty line of
  // argumentation still gets one: a heading.
  if (Graph.Statements.empty()) return "# Empty line of argumentation\n";
  std::string Out = "// Statements: [S<id>] with their type and status.\n";
  for (const TExportStatement& S : Graph.Statements) {
    // Lines that follow each other form one paragraph in Argdown, which would make every
    // statement after the first part of the first one's text.
    Out += "\n[S" + S.Key + "]: " + ArgdownEscaped(S.Sentence);
    Out += " #";
    Out += ExportTypeName(S.Type);
    Out += " #";
    Out += ExportStatusName(S.Status);
    Out += '\n';
  }
  if (Graph.Connections.empty()) return Out;

  // Argdown undercuts arguments only, so a connection that an exception blocks, or whose
  // warrant was put forward, becomes the argument <C<n>> between its reason and conclusion; the
  // others are plain relations between statements.
  Out += "\n// Connections: +> supports, -> defeats, _> undercuts.\n";
  for (std::size_t K = 0; K < Graph.Connections.size(); ++K) {
    const TExportConnection& C = Graph.Connections[K];
    const std::string_view Sign = C.Kind == TConnectionKind::Defeating ? "->" : "+>";
    const std::string Reason = StatementTitle(Graph, C.Reason);
    const std::string Conclusion = StatementTitle(Graph, C.Conclusion);
    if (C.Exceptions.empty() && !C.Warrant) {
      AppendRelation(Out, Reason, Sign, Conclusion);
      continue;
    }
    const std::string Step = ConnectionTitle(K);
    const std::string Verb = C.Kind == TConnectionKind::Defeating ? " defeats " : " supports ";
    AppendRelation(Out,
                   Step + ": S" + Graph.Statements[static_cast<std::size_t>(C.Reason)].Key + Verb +
                       "S" + Graph.Statements[static_cast<std::size_t>(C.Conclusion)].Key + ".",
                   Sign, Conclusion);
    AppendRelation(Out, Reason, "+>", Step);
    if (C.Warrant) AppendRelation(Out, StatementTitle(Graph, *C.Warrant), "+>", Step);
    for (const TExportException& X : C.Exceptions)
      AppendRelation(Out, StatementTitle(Graph, X.Statement), "_>", Step);
  }
  return Out;
}

}  // namespace palaver
