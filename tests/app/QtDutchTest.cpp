// Qt's own texts in Dutch while Palaver speaks Dutch: the buttons and titles of the real message
// boxes and the real file dialogs, at start-up and after a switch of language; and English
// buttons, without a word of complaint, when Qt's translation is not there.

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "GuiTestSupport.h"
#include "ModalDialogSupport.h"
#include "views/QtText.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

// What a message box shows: its title, then its buttons' texts without their accelerator marks,
// in the box's order.
QStringList Shown(const QMessageBox& Box) {
  QStringList Texts{Box.windowTitle()};
  for (QAbstractButton* Button : Box.buttons())
    Texts << Button->text().remove(QLatin1Char('&'));
  return Texts;
}

// A run with Qt's real message boxes, started in the language the settings name, with a change
// made so that New asks the save-changes question.
struct TRealBoxesRun : TProgramRun {
  explicit TRealBoxesRun(const char* Language, QString TranslationsDirectory = {}) {
    WriteSettings(std::string("[Options]\r\nLanguage=") + Language + "\r\n");
    Form = std::make_unique<TArgIntForm>(
        Dir.Path(), TArgIntFormServices{nullptr, &Dialogs, &Clock, TranslationsDirectory});
    Form->show();
    Form->Core().StatementMove(Issue("a"));
  }

  // Asks the save-changes question through File > New and answers it with Cancel.
  QStringList SaveChangesQuestion(QString* Text = nullptr) {
    QStringList Seen;
    WhenOpen<QMessageBox>([&](QMessageBox& Box) {
      Seen = Shown(Box);
      if (Text != nullptr) *Text = Box.text();
      Box.button(QMessageBox::Cancel)->click();
    });
    Form->New1->trigger();
    return Seen;
  }
};

const QStringList DutchQuestion = {"Waarschuwing", "Ja", "Nee", "Annuleren"};
const QStringList EnglishQuestion = {"Warning", "Yes", "No", "Cancel"};

// The title first, then the buttons in alphabetical order (their order on screen is the style's).
QStringList Sorted(QStringList Texts) {
  if (Texts.size() > 1) std::sort(Texts.begin() + 1, Texts.end());
  return Texts;
}

}  // namespace

class QtDutchTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void dutchStartAsksTheSaveQuestionInDutch() {
    TRealBoxesRun Run("Dutch");
    QString Text;
    QCOMPARE(Sorted(Run.SaveChangesQuestion(&Text)), Sorted(DutchQuestion));
    // Our own message is as it always was.
    QCOMPARE(Text, QStringLiteral("Wilt u de veranderingen \naan het huidige betoog bewaren?"));
    QVERIFY(Run.Form->isVisible());
    QCOMPARE(StageStatements(), TLines({"?a"}));
  }

  void switchingLanguageTakesQtsTextsAlong() {
    TRealBoxesRun Run("Dutch");
    Run.Form->SwitchLanguageMenuItem->trigger();
    QCOMPARE(Sorted(Run.SaveChangesQuestion()), Sorted(EnglishQuestion));
    // Our own captions stay ours, in English.
    QCOMPARE(Run.Form->StatementButton->text(), QStringLiteral("Statement"));
    Run.Form->SwitchLanguageMenuItem->trigger();
    QCOMPARE(Sorted(Run.SaveChangesQuestion()), Sorted(DutchQuestion));
    QCOMPARE(Run.Form->StatementButton->text(), QStringLiteral("Bewering"));
  }

  void englishStartKeepsQtsEnglish() {
    TRealBoxesRun Run("English");
    QCOMPARE(Sorted(Run.SaveChangesQuestion()), Sorted(EnglishQuestion));
  }

  void missingTranslationLeavesEnglishButtonsAndNoMessage() {
    TTemporaryDirectory Empty;
    TRealBoxesRun Run("Dutch", ToQString(Empty.Path()));
    QCOMPARE(Run.Form->StatementButton->text(), QStringLiteral("Bewering"));
    QCOMPARE(Sorted(Run.SaveChangesQuestion()), Sorted({"Waarschuwing", "Yes", "No", "Cancel"}));
  }

  void confirmationBoxSpeaksDutch() {
    TRealBoxesRun Run("Dutch");
    QStringList Seen;
    WhenOpen<QMessageBox>([&](QMessageBox& Box) {
      Seen = Shown(Box);
      Box.button(QMessageBox::No)->click();
    });
    // The same sentence as an Assumption: the type would be overruled, which is asked.
    Run.Form->Core().StatementMove(Assumption("a"));
    QCOMPARE(Sorted(Seen), Sorted({"Bevestigen", "Ja", "Nee"}));
  }

  // The Dutch open dialog (Open and Append) speaks Dutch and lists what Save writes, ".lin",
  // beside ".btg".
  void dutchOpenDialogSpeaksDutchAndListsBothKinds() {
    TTemporaryDirectory Files;
    for (const char* Name : {"saved.lin", "old.btg", "notes.txt"})
      WriteBytes(Files.File(Name), "");
    TRealBoxesRun Run("Dutch");
    Run.Form->SetFileDialogs(nullptr);
    Run.Form->Core().NewLineOfArgumentation();

    const QStringList Expected{"old.btg", "saved.lin"};
    QStringList Filters, Listed, Labels;
    QString Title;
    WhenOpen<QFileDialog>([&](QFileDialog& Dialog) {
      Title = Dialog.windowTitle();
      if (auto* Combo = Dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        for (int I = 0; I < Combo->count(); ++I)
          Filters << Combo->itemText(I);
      for (const char* Name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
        if (auto* Label = Dialog.findChild<QLabel*>(QString::fromLatin1(Name)))
          Labels << Label->text();
      Dialog.setDirectory(ToQString(Files.Path()));
      if (auto* Model = Dialog.findChild<QFileSystemModel*>()) {
        const QModelIndex Root = Model->index(ToQString(Files.Path()));
        const auto Offered = [&] {
          QStringList Names;
          for (int Row = 0; Row < Model->rowCount(Root); ++Row) {
            const QModelIndex Index = Model->index(Row, 0, Root);
            if (Model->flags(Index).testFlag(Qt::ItemIsEnabled)) Names << Index.data().toString();
          }
          Names.sort();
          return Names;
        };
        // The model lists the directory in the background and the filter then hides what it
        // must: what is offered is read once it is what the test expects, or at the deadline.
        (void)QTest::qWaitFor([&] { return Offered() == Expected; }, 5000);
        Listed = Offered();
      }
      Dialog.reject();
    });
    Run.Form->Open1->trigger();

    QCOMPARE(Title, QStringLiteral("Openen"));
    QCOMPARE(Filters, QStringList({"Betogen (*.btg;*.lin)", "Alle bestanden (*.*)"}));
    QCOMPARE(Labels, QStringList({"Zoeken in:", "Bestands&naam:", "Bestanden van type:"}));
    QCOMPARE(Listed, Expected);
  }
};

PALAVER_GUI_TEST_MAIN(QtDutchTest)
#include "QtDutchTest.moc"
