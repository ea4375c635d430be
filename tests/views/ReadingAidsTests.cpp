// What the diagram tells a reader beyond its picture: the boxes it records, their tooltips, the
// places a move's change shows in, and the legend's examples.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FixedMeasurer.h"
#include "model/StageBuilder.h"
#include "session/ProgramState.h"
#include "views/DiagramFocus.h"
#include "views/DiagramLayout.h"
#include "views/DiagramLegend.h"
#include "views/DiagramToolTips.h"

namespace palaver {
namespace {

const test::TFixedMeasurer Measurer;

TDiagramPicture Draw(const TArgumentationStage& Stage, int Width = 400) {
  TDiagramLayout Layout(Measurer, Width);
  Layout.DrawDiagram(Stage);
  return Layout.Picture;
}

TDiagramPicture Draw(const TDialecticalArguments& Arguments, bool StructureOnly = false) {
  TDiagramLayout Layout(Measurer, 300, StructureOnly);
  Layout.DrawDiagram(Arguments);
  return Layout.Picture;
}

// The tooltip of the first box of the statement with this sentence.
std::string TipOf(const TDiagramPicture& Picture, const std::string& Sentence,
                  TLanguage Language = TLanguage::English) {
  for (const TDiagramBox& Box : Picture.Boxes)
    if (Box.Statement->Sentence == Sentence)
      return BoxToolTip(*Box.Statement, Box.DialecticalArgument, Language);
  return "(no box)";
}

class ReadingAids : public ::testing::Test {
 protected:
  void SetUp() override { State().Language = TLanguage::English; }
  void TearDown() override { ResetProgramState(); }
  test::TStageBuilder Line;
};

TEST_F(ReadingAids, EveryDrawnBoxIsRecordedWithWhatItShows) {
  Line.Assumption("a").Connect("a", "b").Except("e", "a", "b");
  const TDiagramPicture Picture = Draw(*Line.Stage);

  std::vector<TDiagramRect> Frames;
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == TPrimitiveKind::Box) Frames.push_back(P.Bounds);
  ASSERT_EQ(Picture.Boxes.size(), Frames.size());
  std::vector<std::string> Sentences;
  for (std::size_t I = 0; I < Frames.size(); ++I) {
    EXPECT_EQ(Picture.Boxes[I].Bounds, Frames[I]);
    Sentences.push_back(Picture.Boxes[I].Statement->Sentence);
    // The box is coloured by the dialectical argument recorded with it.
    ASSERT_NE(Picture.Boxes[I].DialecticalArgument, nullptr);
    EXPECT_EQ(Picture.Boxes[I].DialecticalArgument->Conclusion.get(), Picture.Boxes[I].Statement);
  }
  EXPECT_EQ(Sentences, (std::vector<std::string>{"b", "e", "a"}));

  // A point inside a box finds it; the margin and the connectors find nothing.
  const TDiagramRect& Exception = Picture.Boxes[1].Bounds;
  EXPECT_EQ(Picture.BoxAt(Exception.Left + 3, Exception.Top + 3), &Picture.Boxes[1]);
  EXPECT_EQ(Picture.BoxAt(Exception.Right, Exception.Top + 3), nullptr);
  EXPECT_EQ(Picture.BoxAt(0, 0), nullptr);

  // The statements drawing has no dialectical arguments to record; a new drawing forgets the old
  // boxes.
  TDiagramLayout Layout(Measurer, 400);
  Layout.DrawDiagram(*Line.Stage);
  Layout.DrawStatements(*Line.Stage);
  ASSERT_EQ(Layout.Picture.Boxes.size(), 3u);
  for (const TDiagramBox& Box : Layout.Picture.Boxes)
    EXPECT_EQ(Box.DialecticalArgument, nullptr);
  EXPECT_EQ(Layout.Picture.Boxes[2].Statement->Sentence, "e");
}

TEST_F(ReadingAids, TooltipsNameIdTypeStatusAndWhatMadeIt) {
  // b (1) from a (2), with the exception e (3), an issue nobody argues for.
  Line.Assumption("a").Connect("a", "b").Except("e", "a", "b");
  TDiagramPicture Picture = Draw(*Line.Stage);
  EXPECT_EQ(TipOf(Picture, "b"),
            "Statement 2: issue, justified\n"
            "Justified: supported by 1 \"a\" (reason), not blocked by 3 \"e\" (exception, "
            "unjustified)");
  EXPECT_EQ(TipOf(Picture, "a"),
            "Statement 1: assumption, justified\nJustified: an assumption is taken for granted");
  EXPECT_EQ(TipOf(Picture, "e"),
            "Statement 3: issue, unjustified\nUnjustified: no reason is given for it");
  EXPECT_EQ(TipOf(Picture, "b", TLanguage::Dutch),
            "Bewering 2: kwestie, gerechtvaardigd\n"
            "Gerechtvaardigd: gesteund door 1 \"a\" (reden), niet geblokkeerd door 3 \"e\" "
            "(uitzondering, ongerechtvaardigd)");
  EXPECT_EQ(TipOf(Picture, "a", TLanguage::Dutch),
            "Bewering 1: aanname, gerechtvaardigd\n"
            "Gerechtvaardigd: een aanname wordt zonder reden aanvaard");

  // Made an assumption, the exception blocks the step.
  Line.Assumption("e");
  Picture = Draw(*Line.Stage);
  EXPECT_EQ(TipOf(Picture, "b"),
            "Statement 2: issue, unjustified\n"
            "Unjustified: not supported by 1 \"a\" (reason): blocked by 3 \"e\" (exception, "
            "justified)");
  EXPECT_EQ(TipOf(Picture, "b", TLanguage::Dutch),
            "Bewering 2: kwestie, ongerechtvaardigd\n"
            "Ongerechtvaardigd: niet gesteund door 1 \"a\" (reden): geblokkeerd door 3 \"e\" "
            "(uitzondering, gerechtvaardigd)");

  // The exception's own warrant, an unjustified issue, takes the exception out of play.
  Line.Issue(UndercutterWarrantSentence("e", "a", "b", TLanguage::English));
  Picture = Draw(*Line.Stage);
  EXPECT_EQ(TipOf(Picture, "b"),
            "Statement 2: issue, justified\n"
            "Justified: supported by 1 \"a\" (reason), not blocked by 3 \"e\" (exception, "
            "warrant 4 \"THE STATEMENT THAT e, IS AN EXCE\xE2\x80\xA6\" unjustified)");
}

TEST_F(ReadingAids, TooltipsOfStepsThatGiveNoSupport) {
  // d has three steps: from an unjustified reason, with an unjustified warrant, and a defeating
  // one that justifies it.
  Line.Connect("r", "d")
      .Assumption("w")
      .Connect("w", "d")
      .Issue(test::Step("w", "d"))
      .Assumption("k")
      .Connect("k", "d", TConnectionKind::Defeating);
  TDiagramPicture Picture = Draw(*Line.Stage, 2000);
  EXPECT_EQ(TipOf(Picture, "d"),
            "Statement 1: issue, justified\nJustified: follows from 5 \"k\" (defeating reason)");

  Line.Issue("k");
  Picture = Draw(*Line.Stage, 2000);
  EXPECT_EQ(TipOf(Picture, "d"),
            "Statement 1: issue, unjustified\nUnjustified:\n"
            "- not supported by 2 \"r\" (reason, unjustified)\n"
            "- not supported by 3 \"w\" (reason): warrant 4 \"IF w, THEN d\" unjustified\n"
            "- does not follow from 5 \"k\" (defeating reason, unjustified)");
  EXPECT_EQ(TipOf(Picture, "d", TLanguage::Dutch),
            "Bewering 1: kwestie, ongerechtvaardigd\nOngerechtvaardigd:\n"
            "- niet gesteund door 2 \"r\" (reden, ongerechtvaardigd)\n"
            "- niet gesteund door 3 \"w\" (reden): grond 4 \"IF w, THEN d\" ongerechtvaardigd\n"
            "- volgt niet uit 5 \"k\" (weerleggende reden, ongerechtvaardigd)");

  // A warrant that is justified is named as part of the support.
  Line.Assumption(test::Step("w", "d"));
  Picture = Draw(*Line.Stage, 2000);
  EXPECT_EQ(TipOf(Picture, "d"),
            "Statement 1: issue, justified\n"
            "Justified: supported by 3 \"w\" (reason), warrant 4 \"IF w, THEN d\" justified");

  // Without a dialectical argument (the statements drawing) only the statement's own status.
  const PStatement D = Line.Get("d");
  EXPECT_EQ(BoxToolTip(*D, nullptr, TLanguage::English), "Statement 1: issue, justified");
}

TEST_F(ReadingAids, ReferencesCutLongSentencesOnACharacterBoundary) {
  TStatement S("(" + std::string(31, 'x') + "\xC3\xA9tude and more)", TStatementType::Issue);
  S.Id = "12";
  // The parentheses of a warrant go, as in its box; the two-byte letter is not split.
  EXPECT_EQ(StatementReference(S), "12 \"" + std::string(31, 'x') + "\xE2\x80\xA6\"");
  S.Sentence = "short";
  EXPECT_EQ(StatementReference(S), "12 \"short\"");
}

TEST_F(ReadingAids, AMovesChangeIsFoundWhereverItIsDrawn) {
  // c is concluded from a, which is itself concluded from z; e is an exception to a -> c.
  Line.Assumption("z").Connect("z", "a").Connect("a", "c").Except("e", "a", "c");
  const TDiagramPicture Picture = Draw(*Line.Stage);
  const auto BoxOf = [&](const std::string& Sentence) {
    for (const TDiagramBox& Box : Picture.Boxes)
      if (Box.Statement->Sentence == Sentence) return Box.Bounds;
    return TDiagramRect{};
  };

  // The step a -> c: the box of a under c, with c's box.
  std::vector<TDiagramFocus> Places = ChangedBoxes(Picture, "a", "c");
  ASSERT_EQ(Places.size(), 1u);
  EXPECT_EQ(Places[0].Box, BoxOf("a"));
  EXPECT_EQ(Places[0].Whole.Top, BoxOf("c").Top);
  EXPECT_EQ(Places[0].Whole.Bottom, BoxOf("a").Bottom);

  // The exception e to a -> c.
  Places = ChangedBoxes(Picture, "e", "c", "a");
  ASSERT_EQ(Places.size(), 1u);
  EXPECT_EQ(Places[0].Box, BoxOf("e"));
  EXPECT_EQ(Places[0].Whole.Top, BoxOf("c").Top);

  // A statement is found by its own boxes; a step the drawing lacks falls back to them too.
  Places = ChangedBoxes(Picture, "z");
  ASSERT_EQ(Places.size(), 1u);
  EXPECT_EQ(Places[0].Box, BoxOf("z"));
  Places = ChangedBoxes(Picture, "z", "c");
  ASSERT_EQ(Places.size(), 1u);
  EXPECT_EQ(Places[0].Whole, BoxOf("z"));
  EXPECT_TRUE(ChangedBoxes(Picture, "nowhere").empty());
}

// --- The legend --------------------------------------------------------------------------

bool HasLine(const TDiagramPicture& Picture, const TDiagramPen& Pen) {
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == TPrimitiveKind::Line && P.Pen == Pen) return true;
  return false;
}

bool HasBox(const TDiagramPicture& Picture, const TDiagramPen& Pen, const TDiagramFont& Font,
            int Icon) {
  bool Box = false, Text = false, HasIcon = false;
  for (const TDiagramPrimitive& P : Picture.Primitives()) {
    Box |= P.Kind == TPrimitiveKind::Box && P.Pen == Pen;
    Text |= P.Kind == TPrimitiveKind::Text && P.Font == Font;
    HasIcon |= P.Kind == TPrimitiveKind::Icon && P.ImageIndex == Icon;
  }
  return Box && Text && HasIcon;
}

// The connector's arrowhead or cross where it meets the conclusion's box (bottom 24).
bool HasArrowhead(const TDiagramPicture& Picture) {
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == TPrimitiveKind::Line && P.From.Y == 24 && P.To.Y == 29) return true;
  return false;
}
bool HasCrossAtConclusion(const TDiagramPicture& Picture) {
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == TPrimitiveKind::Line && P.From.Y == 21 && P.To.Y == 28) return true;
  return false;
}

constexpr TDiagramPen Blue{BlueColour, TPenStyle::Solid};
constexpr TDiagramPen Teal{TealColour, TPenStyle::Solid};
constexpr TDiagramPen Red{RedColour, TPenStyle::Solid};
constexpr TDiagramPen GreyDotted{GreyColour, TPenStyle::Dotted};

TEST_F(ReadingAids, EachLegendExampleShowsTheMarkItExplains) {
  for (const TLanguage Language : {TLanguage::English, TLanguage::Dutch}) {
    const std::vector<TLegendEntry> Legend = DiagramLegend(Language);
    ASSERT_EQ(Legend.size(), 10u);
    for (const TLegendEntry& Entry : Legend) {
      SCOPED_TRACE(Entry.Explanation);
      const TDiagramPicture P = Draw(Entry.Example, Entry.ShowStructureOnly);
      switch (Entry.Mark) {
        case TLegendMark::JustifiedBox:
          EXPECT_TRUE(HasBox(P, Blue, {BlueColour, TFontStyle::Bold}, AssumptionImage));
          break;
        case TLegendMark::UnjustifiedBox:
          EXPECT_TRUE(HasBox(P, Teal, {TealColour, TFontStyle::Italic}, IssueImage));
          break;
        case TLegendMark::SupportingStep:
          EXPECT_TRUE(HasLine(P, Blue) && HasArrowhead(P) && !HasCrossAtConclusion(P));
          break;
        case TLegendMark::DefeatingStep:
          EXPECT_TRUE(HasCrossAtConclusion(P) && !HasArrowhead(P));
          break;
        case TLegendMark::UnjustifiedReason:
          EXPECT_TRUE(HasLine(P, Teal) && !HasLine(P, Blue));
          break;
        case TLegendMark::UnjustifiedStepWarrant:
          EXPECT_TRUE(HasLine(P, GreyDotted) && HasArrowhead(P));
          break;
        case TLegendMark::ActiveException:
          EXPECT_TRUE(HasLine(P, Red) && HasLine(P, Teal) && !HasLine(P, Blue));
          break;
        case TLegendMark::InactiveException:
          EXPECT_TRUE(HasLine(P, Teal) && HasLine(P, Blue) && !HasLine(P, Red));
          break;
        case TLegendMark::UnjustifiedUndercutterWarrant:
          EXPECT_TRUE(HasLine(P, GreyDotted) && HasLine(P, Blue) && !HasLine(P, Red));
          break;
        case TLegendMark::StructureOnly:
          for (const TDiagramPrimitive& Each : P.Primitives()) {
            EXPECT_NE(Each.Kind, TPrimitiveKind::Icon);
            if (Each.Kind == TPrimitiveKind::Line || Each.Kind == TPrimitiveKind::Box) {
              EXPECT_EQ(Each.Pen, (TDiagramPen{BlackColour, TPenStyle::Solid}));
            }
            if (Each.Kind == TPrimitiveKind::Text) {
              EXPECT_EQ(Each.Font, (TDiagramFont{BlackColour, TFontStyle::Regular}));
            }
          }
          EXPECT_TRUE(HasArrowhead(P));
          break;
      }
    }
  }
}

// The example's tree as the model would compute it for the same statements and connections.
void Replay(const TDialecticalArgument& D, test::TStageBuilder& Line,
            std::map<std::string, TStatementType>& Types) {
  const std::string& Sentence = D.Conclusion->Sentence;
  Types[Sentence] = D.Conclusion->StatementType;
  if (!Line.Get(Sentence))
    D.Conclusion->StatementType == TStatementType::Issue ? Line.Issue(Sentence)
                                                         : Line.Assumption(Sentence);
  for (int I = 0; I < D.Steps.Count(); ++I) {
    const TStep& S = *D.Steps[I];
    Replay(*D.InitialDialecticalArguments[I], Line, Types);
    Line.Connect(S.Reason->Sentence, S.Conclusion->Sentence, S.ConnectionKind);
    if (S.WarrantingDialecticalArgument) Replay(*S.WarrantingDialecticalArgument, Line, Types);
    for (int J = 0; J < S.Undercutters.Count(); ++J) {
      const TUndercutter& U = *S.Undercutters[J];
      Line.Except(U.Exception->Sentence, S.Reason->Sentence, S.Conclusion->Sentence,
                  U.Exception->StatementType);
      Replay(*S.UndercuttingDialecticalArguments[J], Line, Types);
      if (U.WarrantingDialecticalArgument) Replay(*U.WarrantingDialecticalArgument, Line, Types);
    }
  }
}

// Every status in the example's tree, conclusion by conclusion, as "sentence=J" or "=U".
std::string Statuses(const TDialecticalArgument& D) {
  std::string Text =
      D.Conclusion->Sentence + (D.Status == TJustificationStatus::Justified ? "=J" : "=U");
  for (int I = 0; I < D.Steps.Count(); ++I) {
    const TStep& S = *D.Steps[I];
    if (S.WarrantingDialecticalArgument) Text += " " + Statuses(*S.WarrantingDialecticalArgument);
    for (int J = 0; J < S.UndercuttingDialecticalArguments.Count(); ++J) {
      if (S.Undercutters[J]->WarrantingDialecticalArgument)
        Text += " " + Statuses(*S.Undercutters[J]->WarrantingDialecticalArgument);
      Text += " " + Statuses(*S.UndercuttingDialecticalArguments[J]);
    }
    Text += " " + Statuses(*D.InitialDialecticalArguments[I]);
  }
  return Text;
}

TEST_F(ReadingAids, LegendExamplesHaveTheStatusesTheModelGives) {
  for (const TLanguage Language : {TLanguage::English, TLanguage::Dutch}) {
    State().Language = Language;
    for (const TLegendEntry& Entry : DiagramLegend(Language)) {
      SCOPED_TRACE(Entry.Explanation);
      const TDialecticalArgument& Example = *Entry.Example[0];
      test::TStageBuilder Model;
      Model.Context.Language = Language;
      std::map<std::string, TStatementType> Types;
      Replay(Example, Model, Types);
      for (const auto& [Sentence, Type] : Types)
        if (Model.Get(Sentence)->StatementType != Type)
          Type == TStatementType::Issue ? Model.Issue(Sentence) : Model.Assumption(Sentence);
      EXPECT_EQ(Statuses(Model.DialecticalArgumentOf(Example.Conclusion->Sentence)),
                Statuses(Example));
    }
  }
}

TEST_F(ReadingAids, LegendTextsInBothLanguages) {
  const std::vector<TLegendEntry> English = DiagramLegend(TLanguage::English);
  const std::vector<TLegendEntry> Dutch = DiagramLegend(TLanguage::Dutch);
  ASSERT_EQ(English.size(), Dutch.size());
  for (std::size_t I = 0; I < English.size(); ++I) {
    EXPECT_EQ(English[I].Mark, Dutch[I].Mark);
    EXPECT_NE(English[I].Explanation, Dutch[I].Explanation);
    EXPECT_EQ(English[I].Explanation.find('\n'), std::string::npos);
  }
  EXPECT_EQ(English[0].Explanation,
            "Blue, bold: the statement is justified. ! marks an assumption.");
  EXPECT_EQ(Dutch[0].Explanation,
            "Blauw, vet: de bewering is gerechtvaardigd. ! staat voor een aanname.");
  // The examples speak the legend's language, warrant sentences included.
  EXPECT_EQ(English[2].Example[0]->Conclusion->Sentence, "conclusion");
  EXPECT_EQ(Dutch[2].Example[0]->Conclusion->Sentence, "conclusie");
  EXPECT_EQ(Dutch[5].Example[0]->Steps[0]->WarrantingDialecticalArgument->Conclusion->Sentence,
            "(ALS reden, DAN conclusie)");
  EXPECT_EQ(LegendTitle(TLanguage::English), "Legend");
  EXPECT_EQ(LegendTitle(TLanguage::Dutch), "Legenda");
}

}  // namespace
}  // namespace palaver
