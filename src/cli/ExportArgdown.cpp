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

// Control characters end a line or cannot be read; they are written as blanks.
bool IsControl(unsigned char Byte) {
  return Byte < 0x20 || Byte == 0x7F;
}

bool IsBlank(unsigned char Byte) {
  return Byte == ' ' || IsControl(Byte);
}

// Argdown reads ".name." and ":name:" (a run of non-blanks between two dots or two colons) as a
// shortcode: ".v." becomes "∨", ":smile:" an emoji, and an escape inside the run stays as a
// backslash. So a dot or colon that would open such a run is escaped.
bool OpensShortcode(std::string_view Sentence, std::size_t At) {
  for (std::size_t I = At + 1; I < Sentence.size(); ++I) {
    const auto Byte = static_cast<unsigned char>(Sentence[I]);
    if (IsBlank(Byte)) return false;
    if (Sentence[I] == Sentence[At] && I > At + 1) return true;
  }
  return false;
}

// Three equals signs open a YAML front-matter block, which runs to the next three and takes all
// text between, across statements.
bool OpensFrontMatter(std::string_view Sentence, std::size_t At) {
  return Sentence.substr(At, 3) == "===";
}

// A sentence as Argdown statement text.
std::string ArgdownEscaped(std::string_view Sentence) {
  std::string Escaped;
  for (std::size_t I = 0; I < Sentence.size(); ++I) {
    const char C = Sentence[I];
    if (IsControl(static_cast<unsigned char>(C))) {
      Escaped += ' ';
      continue;
    }
    const bool Special = ArgdownSpecials.find(C) != std::string_view::npos ||
                         ((C == '.' || C == ':') && OpensShortcode(Sentence, I)) ||
                         (C == '=' && OpensFrontMatter(Sentence, I));
    if (Special) Escaped += '\\';
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

std::string ExceptionTitle(std::size_t Connection, std::size_t Exception) {
  return "<C" + std::to_string(Connection + 1) + "E" + std::to_string(Exception + 1) + ">";
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
  // others are plain relations between statements. Likewise an exception whose undercutter
  // warrant was put forward becomes the argument <C<n>E<m>> from the exception and its warrant
  // that undercuts <C<n>>: Argdown has no relation that supports a relation.
  Out += "\n// Connections: +> supports, -> defeats, _> undercuts.\n";
  for (std::size_t K = 0; K < Graph.Connections.size(); ++K) {
    const TExportConnection& C = Graph.Connections[K];
    const std::string_view Sign = C.Kind == TConnectionKind::Defeating ? "->" : "+>";
    const std::string Reason = StatementTitle(Graph, C.Reason);
    const std::string Conclusion = StatementTitle(Graph, C.Conclusion);
    // Argdown drops a relation from a statement to itself, so a connection whose reason is its
    // conclusion is an argument as well.
    if (C.Exceptions.empty() && !C.Warrant && C.Reason != C.Conclusion) {
      AppendRelation(Out, Reason, Sign, Conclusion);
      continue;
    }
    const std::string Step = ConnectionTitle(K);
    const std::string Verb = C.Kind == TConnectionKind::Defeating ? " defeats " : " supports ";
    std::string Title = Step;
    Title += ": S";
    Title += Graph.Statements[static_cast<std::size_t>(C.Reason)].Key;
    Title += Verb;
    Title += "S";
    Title += Graph.Statements[static_cast<std::size_t>(C.Conclusion)].Key;
    Title += ".";
    AppendRelation(Out, Title, Sign, Conclusion);
    AppendRelation(Out, Reason, "+>", Step);
    if (C.Warrant) AppendRelation(Out, StatementTitle(Graph, *C.Warrant), "+>", Step);
    for (std::size_t M = 0; M < C.Exceptions.size(); ++M) {
      const TExportException& X = C.Exceptions[M];
      if (!X.Warrant) {
        AppendRelation(Out, StatementTitle(Graph, X.Statement), "_>", Step);
        continue;
      }
      const std::string Blocking = ExceptionTitle(K, M);
      AppendRelation(Out,
                     Blocking + ": S" +
                         Graph.Statements[static_cast<std::size_t>(X.Statement)].Key +
                         " is an exception to C" + std::to_string(K + 1) + ".",
                     "_>", Step);
      AppendRelation(Out, StatementTitle(Graph, X.Statement), "+>", Blocking);
      AppendRelation(Out, StatementTitle(Graph, *X.Warrant), "+>", Blocking);
    }
  }
  return Out;
}

}  // namespace palaver
