// The dialogs as the main window creates and shows them: the move dialogs opened by their
// commands, Options and About, and the captions of all of them in either language.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <functional>

#include "GuiTestSupport.h"
#include "ModalDialogSupport.h"
#include "app/DiagramPaintBox.h"
#include "dialogs/AboutForm.h"
#include "dialogs/ExceptionForm.h"
#include "dialogs/MoveDialog.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/RadioGroup.h"
#include "dialogs/ReasonConclusionForm.h"
#include "dialogs/StatementForm.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

struct TLoggedRun : TProgramRun {
  explicit TLoggedRun(const std::string& Settings = "") {
    WriteSettings("[Options]\r\nLogging=On\r\n" + Settings);
    Start();
  }
  std::size_t Mark() const { return LoggedSinceShow().size(); }
};

// Every caption a window shows: titles, texts of buttons and labels, menus and their items,
// sorted, so that controls rebuilt by a language switch compare by what they show.
QStringList Captions(const QWidget& Window) {
  QStringList Result{"title " + Window.windowTitle()};
  for (const QWidget* W : Window.findChildren<QWidget*>()) {
    const QString Name = W->objectName() + " ";
    if (const auto* Box = qobject_cast<const QGroupBox*>(W)) Result << Name + Box->title();
    if (const auto* Button = qobject_cast<const QAbstractButton*>(W))
      Result << Name + Button->text();
    if (const auto* Label = qobject_cast<const QLabel*>(W)) Result << Name + Label->text();
    if (const auto* Menu = qobject_cast<const QMenu*>(W)) Result << Name + Menu->title();
  }
  for (const QAction* Item : Window.findChildren<QAction*>())
    Result << Item->objectName() + " " + Item->text();
  Result.sort();
  return Result;
}

QStringList AllCaptions(const TArgIntForm& Form) {
  return Captions(Form) + Captions(*Form.StatementForm) + Captions(*Form.ReasonConclusionForm) +
         Captions(*Form.ExceptionForm) + Captions(*Form.AboutForm) + Captions(*Form.OptionsForm);
}

QStringList ExpectedAboutLines() {
  // The version and the date are joined to the words before them, not listed apart.
  // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
  return {"Palaver " PALAVER_EXPECTED_VERSION " - an argument-assistance system",
          "",
          "Version " PALAVER_EXPECTED_RELEASE_DATE,
          "",
          "NOTE: The Palaver-system has been programmed as a research tool. It ",
          "can contain bugs. No liability is accepted for any damages occurring by using it. "};
}

// Opens Options through its menu item, lets Choose act on the open dialog (which must close
// it) and returns when the dialog has closed.
void WithOptions(TArgIntForm& Form, std::function<void(TOptionsForm&)> Choose) {
  bool Opened = false;
  WhenOpen<TOptionsForm>([&](TOptionsForm& Options) {
    Opened = true;
    Choose(Options);
  });
  Form.Options1->trigger();
  QVERIFY(Opened);
  QVERIFY(!Form.OptionsForm->isVisible());
}

}  // namespace

class DialogsWiringTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void statementButtonMakesTheMoveThroughTheDialog() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    QVERIFY(!Form.BackButton->isEnabled());

    WhenOpen<TStatementForm>([](TStatementForm& Dialog) {
      QTest::keyClicks(QApplication::focusWidget(), "It rains");
      QTest::mouseClick(Dialog.OKButton, Qt::LeftButton);
    });
    Form.StatementButton->click();

    QVERIFY(!Form.StatementForm->isVisible());
    QCOMPARE(StageStatements(), TLines({"?It rains"}));
    QVERIFY(Form.BackButton->isEnabled());
    QVERIFY(Form.Back2->isEnabled());
    QVERIFY(Form.DialArgsPaintBox->isVisible());
    QVERIFY(Form.DialArgsPaintBox->SurfaceHeight() > 0);
    const TLines Logged = Run.LoggedSinceShow();
    QVERIFY(Logged.size() > 3);
    QCOMPARE(TLines(Logged.begin(), Logged.begin() + 3),
             TLines({"Statement (button)", "", "STATEMENT FORM"}));
  }

  // Each command opens its own dialog; cancelling it leaves the line alone, and the view is
  // drawn again all the same (here the diagram takes the place of the arguments tree).
  void eachMoveCommandOpensItsDialog() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.Core().StatementMove(Issue("a"));
    const struct {
      std::function<void()> Command;
      const char* Log;
      TMoveDialog* Dialog;
    } Commands[] = {
        {[&] { Form.StatementButton->click(); }, "Statement (button)", Form.StatementForm.get()},
        {[&] { Form.Statement1->trigger(); }, "Statement (menu)", Form.StatementForm.get()},
        {[&] { Form.ReasonConclusionButton->click(); }, "Reason/conclusion (button)",
         Form.ReasonConclusionForm.get()},
        {[&] { Form.ReasonConclusion1->trigger(); }, "Reason/conclusion (menu)",
         Form.ReasonConclusionForm.get()},
        {[&] { Form.ExceptionButton->click(); }, "Exception (button)", Form.ExceptionForm.get()},
        {[&] { Form.Exception1->trigger(); }, "Exception (menu)", Form.ExceptionForm.get()},
    };
    for (const auto& Each : Commands) {
      Form.ViewArgumentsSpeedButton->click();
      const std::size_t Mark = Run.Mark();
      TMoveDialog* Opened = nullptr;
      WhenOpen<TMoveDialog>([&](TMoveDialog& Dialog) {
        Opened = &Dialog;
        Dialog.CancelButton->click();
      });
      Each.Command();
      QCOMPARE(Opened, Each.Dialog);
      QCOMPARE(Run.LoggedAfter(Mark).at(0), std::string(Each.Log));
      QVERIFY(Form.DialArgsPaintBox->isVisible());
      QVERIFY(!Form.ArgumentsTreeView->isVisible());
    }
    QCOMPARE(StageStatements(), TLines({"?a"}));
  }

  void dutchSettingGivesDutchDialogs() {
    TProgramRun Run;
    Run.WriteSettings("[Options]\r\nLanguage=Dutch\r\n");
    TArgIntForm& Form = Run.Start();

    QCOMPARE(Form.StatementForm->windowTitle(), QStringLiteral("Bewering"));
    QCOMPARE(Form.StatementForm->Label1->text(), QStringLiteral("Tik of kies een bewering:"));
    QCOMPARE(Form.StatementForm->StatementTypeRadioGroup->title(),
             QStringLiteral("Type &bewering"));
    QCOMPARE(Form.StatementForm->StatementTypeRadioGroup->Items(),
             QStringList({"Kwestie", "Aanname"}));
    QCOMPARE(Form.StatementForm->CancelButton->text(), QStringLiteral("Annuleren"));
    QCOMPARE(Form.ReasonConclusionForm->windowTitle(), QStringLiteral("Reden/conclusie"));
    QCOMPARE(Form.ReasonConclusionForm->StepWarrantGroupBox->title(),
             QStringLiteral("Grond voor de reden/conclusie-stap"));
    QCOMPARE(Form.ReasonConclusionForm->ReasonTypeRadioGroup->Items(),
             QStringList({"Kwestie", "Aanname"}));
    QCOMPARE(Form.ExceptionForm->windowTitle(), QStringLiteral("Uitzondering"));
    QCOMPARE(Form.ExceptionForm->Label2->text(), QStringLiteral("Tik of kies een uitzondering:"));
    QCOMPARE(Form.ExceptionForm->DeleteButton->text(), QStringLiteral("&Verwijder"));
    // OK, Options and About keep their one language.
    QCOMPARE(Form.ExceptionForm->OKButton->text(), QStringLiteral("&OK"));
    QCOMPARE(Form.OptionsForm->windowTitle(), QStringLiteral("Options"));
    QCOMPARE(Form.AboutForm->windowTitle(), QStringLiteral("About Palaver"));
    QStringList AboutText;
    WhenOpen<TAboutForm>([&](TAboutForm& About) {
      AboutText = About.Memo1->toPlainText().split('\n');
      QTest::mouseClick(About.Button1, Qt::LeftButton);
    });
    Form.About1->trigger();
    QCOMPARE(AboutText, ExpectedAboutLines());
  }

  void switchingTwiceReturnsEveryCaptionToEnglish() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    const QStringList English = AllCaptions(Form);
    QVERIFY(English.contains("title Reason/conclusion"));
    QVERIFY(English.contains("Label2 Type or choose a exception:"));

    Form.SwitchLanguageMenuItem->trigger();
    QCOMPARE(Form.ExceptionForm->windowTitle(), QStringLiteral("Uitzondering"));
    QCOMPARE(Form.ReasonConclusionForm->Label1->text(), QStringLiteral("Tik of kies een reden:"));
    QVERIFY(AllCaptions(Form) != English);

    Form.SwitchLanguageMenuItem->trigger();
    QCOMPARE(AllCaptions(Form), English);
  }

  void optionsOkShowsTheTreeWhicheverItemIsSelected() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.Core().StatementMove(Issue("p"));
    for (const int Item : {1, 0}) {
      bool TreeShown = false;
      WithOptions(Form, [&](TOptionsForm& Options) {
        ClickItem(Options.ArgumentsViewItem(Item));
        QCOMPARE(Options.ArgumentsViewItemIndex(), Item);
        QTest::mouseClick(Options.OKButton, Qt::LeftButton);
        // Still inside the dialog's event loop: the tree has been shown for the new setting.
        TreeShown = Form.ArgumentsTreeView->isVisible() && Form.ViewArgumentsSpeedButton->Down() &&
                    Form.ArgumentsTreeView->topLevelItemCount() == 1;
      });
      QVERIFY(TreeShown);
      QCOMPARE(State().ArgumentsNotCoordinated, Item == 1);
      QCOMPARE(Form.OptionsForm->result(), int(QDialog::Accepted));
      // Closing the dialog redraws the visible button's view in the tree's place.
      QVERIFY(Form.DialArgsPaintBox->isVisible());
    }
    QCOMPARE(Run.LoggedSinceShow(), TLines());
  }

  void optionsKeepTheirSelectionAndTheCloseBoxChangesNothing() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();

    WithOptions(Form, [](TOptionsForm& Options) {
      QCOMPARE(Options.windowTitle(), QStringLiteral("Options"));
      QCOMPARE(Options.frameGeometry(), QRect(280, 134, 212, 158));
      QCOMPARE(Options.ArgumentsViewRadioGroup->title(), QStringLiteral("Arguments view"));
      QCOMPARE(Options.ArgumentsViewItem(0)->text(), QStringLiteral("Arguments are coordinated"));
      QCOMPARE(Options.ArgumentsViewItem(1)->text(),
               QStringLiteral("Arguments are not coordinated"));
      QCOMPARE(Options.ArgumentsViewItemIndex(), 0);
      QVERIFY(Options.OKButton->geometry().top() >
              Options.ArgumentsViewRadioGroup->geometry().bottom());
      ClickItem(Options.ArgumentsViewItem(1));
      ClickCloseBox(Options);
    });
    QVERIFY(!State().ArgumentsNotCoordinated);
    QVERIFY(!Form.ViewArgumentsSpeedButton->Down());
    QVERIFY(Form.DialArgsPaintBox->isVisible());

    // Nothing resets the selection, with or without OK.
    WithOptions(Form, [](TOptionsForm& Options) {
      QCOMPARE(Options.ArgumentsViewItemIndex(), 1);
      QTest::mouseClick(Options.OKButton, Qt::LeftButton);
    });
    QVERIFY(State().ArgumentsNotCoordinated);
    WithOptions(Form, [](TOptionsForm& Options) {
      QCOMPARE(Options.ArgumentsViewItemIndex(), 1);
      ClickItem(Options.ArgumentsViewItem(0));
      QTest::keyClick(&Options, Qt::Key_Escape);
    });
    QVERIFY(State().ArgumentsNotCoordinated);
    WithOptions(Form, [](TOptionsForm& Options) {
      QCOMPARE(Options.ArgumentsViewItemIndex(), 0);
      ClickCloseBox(Options);
    });
  }

  void aboutShowsTheBuildsVersionAndCloses() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    bool Opened = false;
    WhenOpen<TAboutForm>([&](TAboutForm& About) {
      Opened = true;
      QCOMPARE(About.windowTitle(), QStringLiteral("About Palaver"));
      QCOMPARE(About.size(), QSize(388, 250));
      QCOMPARE(About.Panel1->geometry(), QRect(0, 250 - 41, 388, 41));
      QCOMPARE(About.Memo1->geometry().bottom(), About.Panel1->geometry().top() - 1);
      QVERIFY(About.Memo1->isReadOnly());
      QCOMPARE(About.Memo1->toPlainText().split('\n'), ExpectedAboutLines());
      QCOMPARE(About.Button1->text(), QStringLiteral("&OK"));
      QCOMPARE(About.focusWidget(), About.Button1);
      QTest::keyClick(About.Button1, Qt::Key_Space);
    });
    Form.About1->trigger();
    QVERIFY(Opened);
    QVERIFY(!Form.AboutForm->isVisible());
    QCOMPARE(Run.LoggedSinceShow(), TLines({"Help about (menu)"}));
  }
};

PALAVER_GUI_TEST_MAIN(DialogsWiringTest)
#include "DialogsWiringTest.moc"
