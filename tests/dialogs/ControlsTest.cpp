#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <optional>
#include <stdexcept>

#include "DialogTestSuites.h"
#include "DialogTestSupport.h"
#include "dialogs/FocusAreas.h"
#include "dialogs/StatementForm.h"
#include "session/PlatformError.h"

namespace palaver::test {

namespace {

// The headless window, except that showing the diagram fails as a platform failure does.
class TFailingPlatform final : public TMainWindowPlatform {
 public:
  THeadlessPlatform Inner;

  TMessageBoxes& MessageBoxes() override { return Inner.MessageBoxes(); }
  std::optional<std::string> ExecuteOpenDialog(const TFileDialogOptions& O) override {
    return Inner.ExecuteOpenDialog(O);
  }
  std::optional<std::string> ExecuteSaveDialog(const TFileDialogOptions& O) override {
    return Inner.ExecuteSaveDialog(O);
  }
  std::vector<std::string> TranscriptViewLines() override { return Inner.TranscriptViewLines(); }
  void SetTranscriptViewLines(std::vector<std::string> L) override {
    Inner.SetTranscriptViewLines(std::move(L));
  }
  void ShowProgressText(const std::string& A, const std::string& B) override {
    Inner.ShowProgressText(A, B);
  }
  void AddProgressDot() override { Inner.AddProgressDot(); }
  void SetBackEnabled(bool E) override { Inner.SetBackEnabled(E); }
  void SetForwardEnabled(bool E) override { Inner.SetForwardEnabled(E); }
  TViewButton ViewButtonDown() const override { return TViewButton::Arguments; }
  void ShowDiagram() override { throw TPlatformError(CannotOpenFileMessage("picture.png")); }
  void ShowStatementsDiagram() override { Inner.ShowStatementsDiagram(); }
  void ShowTranscriptView() override { Inner.ShowTranscriptView(); }
  void SetTitle(const std::string& T) override { Inner.SetTitle(T); }
  bool ShowStructureOnly() const override { return false; }
  void SetShowStructureOnly(bool) override {}
  void CloseMainWindow() override {}
};

}  // namespace

class ControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void comboBoxCountsOnlyTheUsersChanges() {
    QDialog Window;
    auto* Box = new TDialogComboBox(&Window);
    QSignalSpy Changes(Box, &TDialogComboBox::Change);
    Box->SetSentence("<statement>");
    Box->SetSentences({"beta", "Alpha", "alpha", "Gamma", "b"}, TLanguage::English);
    QCOMPARE(Box->currentText(), QStringLiteral("<statement>"));
    // Ignoring case; sentences equal but for case keep the stage's order.
    QCOMPARE(Box->ListedSentences(),
             (std::vector<std::string>{"Alpha", "alpha", "b", "beta", "Gamma"}));
    QCOMPARE(Changes.count(), 0);

    QVERIFY(Open(Window));
    Box->setFocus();
    Type("ab");
    QCOMPARE(Changes.count(), 2);

    bool ListWasHidden = false;
    connect(Box, &TDialogComboBox::DropDown, this,
            [&] { ListWasHidden = !Box->view()->isVisible(); });
    Box->showPopup();
    QVERIFY(ListWasHidden);
    Box->hidePopup();
  }

  // Accented letters sort with their base letter in both languages: "Één" among the E's, not
  // after "Zon" as its character code would put it.
  void comboBoxSortsAsTheLanguageDoes() {
    const std::vector<std::string> Stage = {"Zon",  "Één", "appel", "Fiets",
                                            "énig", "Een", "Ezel",  "één"};
    const std::vector<std::string> Sorted = {"appel", "Een",  "Één",   "één",
                                             "énig",  "Ezel", "Fiets", "Zon"};
    for (const TLanguage Language : {TLanguage::English, TLanguage::Dutch}) {
      TDialogComboBox Box;
      Box.SetSentences(Stage, Language);
      QCOMPARE(Box.ListedSentences(), Sorted);
    }
  }

  void focusAreasCountOnlyMovesWithinTheDialog() {
    QDialog Window;
    auto* First = new QLineEdit(&Window);
    auto* Second = new QLineEdit(&Window);
    auto* Layout = new QVBoxLayout(&Window);
    Layout->addWidget(First);
    Layout->addWidget(Second);
    QStringList Events;
    TFocusAreas Areas(Window);
    Areas.Add(
        *First, [&] { Events << "enter 1"; }, [&] { Events << "exit 1"; });
    Areas.Add(
        *Second, [&] { Events << "enter 2"; }, [&] { Events << "exit 2"; });
    Areas.Start();
    First->setFocus();
    QVERIFY(Open(Window));
    Press(Qt::Key_Tab);
    QCOMPARE(Events, (QStringList{"enter 1", "exit 1", "enter 2"}));

    // A box over the dialog takes the focus and gives it back: nothing left, nothing entered.
    QDialog Box;
    auto* Answer = new QLineEdit(&Box);
    Answer->setFocus();
    QVERIFY(Open(Box));
    QCOMPARE(Focused(), Answer);
    Box.close();
    Window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    QCOMPARE(Focused(), Second);
    QCOMPARE(Events.size(), 3);

    Areas.Stop();
    Press(Qt::Key_Tab);
    QCOMPARE(Events.size(), 3);
  }

  void aFailingHandlerIsReportedAndTheDialogClosesAsMarked() {
    ResetProgramState();
    TFailingPlatform Platform;
    TMainWindowCore Core(Platform);
    TFixedClock Clock;
    QTemporaryDir Dir;
    SetLogServices(&Clock, &Platform.Inner.Boxes);
    State().LoggingOn = true;
    CreateLogFile(FromQString(Dir.path()));
    {
      TStatementForm Form(Core);
      QVERIFY(Open(Form));
      Type("a");
      Press(Qt::Key_Return);
      QVERIFY(!Form.isVisible());
    }
    const auto& Shown = Platform.Inner.Boxes.Shown;
    QCOMPARE(Shown.size(), std::size_t{1});
    QVERIFY(Shown[0].Kind == TScriptedMessageBoxes::TKind::Error);
    QCOMPARE(ToQString(Shown[0].Text), QStringLiteral("Cannot open file picture.png"));
    const std::vector<std::string> Tail(State().LogLines.end() - 3, State().LogLines.end());
    QCOMPARE(ToQString(Tail[0]), QStringLiteral("[12:34:56]  OK (button)"));
    QCOMPARE(ToQString(Tail[1]), QStringLiteral("[12:34:56]      Statement:  ?: a"));
    SetLogServices(nullptr, nullptr);
    ResetProgramState();
  }
};

std::unique_ptr<QObject> MakeControlsTest() {
  return std::make_unique<ControlsTest>();
}

}  // namespace palaver::test

#include "ControlsTest.moc"
