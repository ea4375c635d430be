#include <string>
#include <vector>

#include "cli/ExportFormats.h"
#include "cli/JsonWriter.h"

namespace palaver {

namespace {

// AIF's names for an inference and a conflict between statements; a Palaver connection is the
// one and an exception the other, whatever their wording.
constexpr const char* InferenceText = "Default Inference";
constexpr const char* ConflictText = "Default Conflict";

struct TAifNode {
  std::string Id;
  std::string Text;
  const char* Type = "I";
  // Index of the statement (I-nodes) or the connection (RA-nodes); -1 for CA-nodes.
  int Source = -1;
};

struct TAifEdge {
  std::string From;
  std::string To;
};

// Node IDs are numbered in the order the nodes are written: the I-nodes in statement order, then
// for each connection its RA-node followed by the CA-nodes of its exceptions.
class TAifBuilder {
 public:
  explicit TAifBuilder(const TExportGraph& Graph) : Graph(Graph) {
    for (std::size_t I = 0; I < Graph.Statements.size(); ++I)
      AddNode(Graph.Statements[I].Sentence, "I", static_cast<int>(I));
    for (std::size_t K = 0; K < Graph.Connections.size(); ++K)
      AddConnection(Graph.Connections[K], static_cast<int>(K));
  }

  std::string Write() const {
    std::string Out;
    TJsonWriter W(Out);
    W.BeginObject();
    W.Key("nodes");
    W.BeginArray();
    for (const TAifNode& N : Nodes) {
      W.BeginObject();
      W.Key("nodeID");
      W.String(N.Id);
      W.Key("text");
      W.String(N.Text);
      W.Key("type");
      W.String(N.Type);
      W.Key("timestamp");
      W.String(AifTimestamp);
      W.EndObject();
    }
    W.EndArray();
    W.Key("edges");
    W.BeginArray();
    for (std::size_t I = 0; I < Edges.size(); ++I) {
      W.BeginObject();
      W.Key("edgeID");
      W.String(std::to_string(I + 1));
      W.Key("fromID");
      W.String(Edges[I].From);
      W.Key("toID");
      W.String(Edges[I].To);
      W.Key("formEdgeID");
      W.Null();
      W.EndObject();
    }
    W.EndArray();
    W.Key("locutions");
    W.BeginArray();
    W.EndArray();
    W.Key("palaver");
    WriteAnnotations(W);
    W.EndObject();
    W.Finish();
    return Out;
  }

 private:
  std::string AddNode(std::string Text, const char* Type, int Source) {
    Nodes.push_back({std::to_string(Nodes.size() + 1), std::move(Text), Type, Source});
    return Nodes.back().Id;
  }

  // The I-nodes come first and in statement order, so a statement's node ID follows from its
  // index.
  std::string StatementNode(int Index) const { return std::to_string(Index + 1); }

  void AddConnection(const TExportConnection& C, int Index) {
    const std::string Inference = AddNode(InferenceText, "RA", Index);
    Edges.push_back({StatementNode(C.Reason), Inference});
    Edges.push_back({Inference, StatementNode(C.Conclusion)});
    if (C.Warrant) Edges.push_back({StatementNode(*C.Warrant), Inference});
    for (const TExportException& X : C.Exceptions) {
      const std::string Conflict = AddNode(ConflictText, "CA", -1);
      Edges.push_back({StatementNode(X.Statement), Conflict});
      Edges.push_back({Conflict, Inference});
      if (X.Warrant) Edges.push_back({StatementNode(*X.Warrant), Conflict});
    }
  }

  void WriteAnnotations(TJsonWriter& W) const {
    W.BeginObject();
    for (const TAifNode& N : Nodes) {
      if (N.Source < 0) continue;
      W.Key(N.Id);
      W.BeginObject();
      if (std::string_view(N.Type) == "I") {
        const TExportStatement& S = Graph.Statements[static_cast<std::size_t>(N.Source)];
        W.Key("statement_id");
        W.String(S.Key);
        W.Key("type");
        W.String(ExportTypeName(S.Type));
        W.Key("status");
        W.String(ExportStatusName(S.Status));
      } else {
        const TExportConnection& C = Graph.Connections[static_cast<std::size_t>(N.Source)];
        W.Key("kind");
        W.String(ExportKindName(C.Kind));
      }
      W.EndObject();
    }
    W.EndObject();
  }

  const TExportGraph& Graph;
  std::vector<TAifNode> Nodes;
  std::vector<TAifEdge> Edges;
};

}  // namespace

std::string AifJson(const TExportGraph& Graph) {
  return TAifBuilder(Graph).Write();
}

}  // namespace palaver
