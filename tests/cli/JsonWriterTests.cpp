#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/EvaluationJson.h"
#include "cli/JsonWriter.h"

namespace palaver {
namespace {

std::string Literal(std::string_view Bytes) {
  std::string Out;
  AppendJsonString(Out, Bytes);
  return Out;
}

TEST(JsonString, EscapesWhatJsonRequires) {
  EXPECT_EQ(Literal("say \"hi\" \\ now"), R"("say \"hi\" \\ now")");
  EXPECT_EQ(Literal(std::string("\b\f\n\r\t\x01\x1f", 7)), R"("\b\f\n\r\t\u0001\u001f")");
  EXPECT_EQ(Literal(std::string("a\0b", 3)), R"("a\u0000b")");
  EXPECT_EQ(Literal("/ and \x7f stay"), "\"/ and \x7f stay\"");
}

TEST(JsonString, KeepsValidUtf8AndReadsStrayBytesAsLatin1) {
  EXPECT_EQ(Literal("na\xc3\xafve \xe2\x82\xac \xf0\x9f\x99\x82"),
            "\"na\xc3\xafve \xe2\x82\xac \xf0\x9f\x99\x82\"");
  // Latin-1 text: each byte becomes its character.
  EXPECT_EQ(Literal("caf\xe9"), "\"caf\xc3\xa9\"");
  EXPECT_EQ(Literal("\xff"), "\"\xc3\xbf\"");
  // A sequence cut short at the end, or by an ASCII byte.
  EXPECT_EQ(Literal("\xe2\x82"), "\"\xc3\xa2\xc2\x82\"");
  EXPECT_EQ(Literal("\xe2x"), "\"\xc3\xa2x\"");
  // Overlong forms, surrogates and code points beyond U+10FFFF are not UTF-8.
  EXPECT_EQ(Literal("\xc0\xaf"), "\"\xc3\x80\xc2\xaf\"");
  EXPECT_EQ(Literal("\xe0\x80\x80"), "\"\xc3\xa0\xc2\x80\xc2\x80\"");
  EXPECT_EQ(Literal("\xed\xa0\x80"), "\"\xc3\xad\xc2\xa0\xc2\x80\"");
  EXPECT_EQ(Literal("\xf4\x90\x80\x80"), "\"\xc3\xb4\xc2\x90\xc2\x80\xc2\x80\"");
  // The largest code point and the last one before the surrogates still are.
  EXPECT_EQ(Literal("\xf4\x8f\xbf\xbf"), "\"\xf4\x8f\xbf\xbf\"");
  EXPECT_EQ(Literal("\xed\x9f\xbf"), "\"\xed\x9f\xbf\"");
}

TEST(JsonWriter, LaysOutOneMemberOrElementPerLine) {
  std::string Out;
  TJsonWriter W(Out);
  W.BeginObject();
  W.Key("n");
  W.Number(-3);
  W.Key("empty");
  W.BeginArray();
  W.EndArray();
  W.Key("list");
  W.BeginArray();
  W.Bool(true);
  W.Null();
  W.BeginObject();
  W.EndObject();
  W.EndArray();
  W.EndObject();
  W.Finish();
  EXPECT_EQ(Out,
            "{\n"
            "  \"n\": -3,\n"
            "  \"empty\": [],\n"
            "  \"list\": [\n"
            "    true,\n"
            "    null,\n"
            "    {}\n"
            "  ]\n"
            "}\n");
}

TEST(JsonWriter, IndentationStopsGrowingAtItsDeepestLevel) {
  std::string Out;
  TJsonWriter W(Out);
  constexpr std::size_t Depth = MaxJsonIndentLevels + 8;
  for (std::size_t I = 0; I < Depth; ++I)
    W.BeginArray();
  W.Number(1);
  for (std::size_t I = 0; I < Depth; ++I)
    W.EndArray();
  W.Finish();
  // Line k opens the array of level k + 1 and holds k levels of indentation, up to the deepest;
  // the closing lines mirror the opening ones.
  std::vector<std::size_t> Indents;
  for (std::size_t At = 0; At < Out.size(); At = Out.find('\n', At) + 1)
    Indents.push_back(Out.find_first_not_of(' ', At) - At);
  ASSERT_EQ(Indents.size(), 2 * Depth + 1);
  for (std::size_t K = 0; K <= Depth; ++K) {
    const std::size_t Expected = 2 * std::min(K, MaxJsonIndentLevels);
    EXPECT_EQ(Indents[K], Expected) << K;
    EXPECT_EQ(Indents[2 * Depth - K], Expected) << K;
  }
  EXPECT_EQ(Out.substr(Out.find('1') - 65, 66), "\n" + std::string(64, ' ') + "1");
}

// A chain of dialectical arguments, each the reason of the one above it.
struct TChain {
  std::vector<PDialecticalArgument> Nodes;

  explicit TChain(int Depth) {
    for (int I = 0; I < Depth; ++I) {
      auto D = std::make_shared<TDialecticalArgument>();
      D->Conclusion = NewStatement("s" + std::to_string(I), TStatementType::Issue);
      D->Status = TJustificationStatus::Unjustified;
      if (I > 0) {
        auto Step = std::make_shared<TStep>();
        Step->Conclusion = D->Conclusion;
        Step->Reason = Nodes.back()->Conclusion;
        D->Steps.Add(Step);
        D->InitialDialecticalArguments.Add(Nodes.back());
      }
      Nodes.push_back(D);
    }
  }
  // Taken apart link by link: freeing a deep chain from its top would recurse as deep.
  ~TChain() {
    for (auto It = Nodes.rbegin(); It != Nodes.rend(); ++It) {
      (*It)->Steps.Clear();
      (*It)->InitialDialecticalArguments.Clear();
    }
  }
};

TEST(DialecticalArgumentJson, DeepNestingDoesNotUseTheCallStack) {
  // Written on a thread with a small stack: a writer that recursed per level would need several
  // times this for a thousand levels.
  constexpr int Depth = 1000;
  const TChain Chain(Depth);
  struct TJob {
    const TDialecticalArgument* Top;
    std::string Out;
  } Job{Chain.Nodes.back().get(), {}};
  pthread_attr_t Attributes;
  pthread_attr_init(&Attributes);
  pthread_attr_setstacksize(&Attributes, std::size_t{128} * 1024);
  pthread_t Thread;
  ASSERT_EQ(pthread_create(
                &Thread, &Attributes,
                [](void* Argument) -> void* {
                  auto* J = static_cast<TJob*>(Argument);
                  TJsonWriter W(J->Out);
                  WriteDialecticalArgument(W, *J->Top);
                  return nullptr;
                },
                &Job),
            0);
  pthread_join(Thread, nullptr);
  pthread_attr_destroy(&Attributes);
  EXPECT_NE(Job.Out.find("\"conclusion\": \"s0\""), std::string::npos);
  EXPECT_EQ(Job.Out.back(), '}');
}

}  // namespace
}  // namespace palaver
