// The real message boxes and file dialogs: found while they are open, checked and answered.

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "GuiTestSupport.h"
#include "ModalDialogSupport.h"
#include "app/ProgramDirectory.h"
#include "app/QtMessageBoxes.h"
#include "views/QtText.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

struct TBoxSeen {
  QString Title;
  QString Text;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QList<QMessageBox::StandardButton> Buttons;
  QMessageBox::StandardButton Default = QMessageBox::NoButton;
  QMessageBox::StandardButton Escape = QMessageBox::NoButton;
};

// Looks at the box, then answers it with a key press.
void AnswerBoxWithKey(TBoxSeen& Seen, Qt::Key Key) {
  WhenOpen<QMessageBox>([&Seen, Key](QMessageBox& Box) {
    Seen.Title = Box.windowTitle();
    Seen.Text = Box.text();
    Seen.Icon = Box.icon();
    for (QAbstractButton* Button : Box.buttons())
      Seen.Buttons << Box.standardButton(Button);
    std::sort(Seen.Buttons.begin(), Seen.Buttons.end());
    Seen.Default = Box.standardButton(Box.defaultButton());
    Seen.Escape = Box.standardButton(Box.escapeButton());
    QTest::keyClick(&Box, Key);
  });
}

QList<QMessageBox::StandardButton> Sorted(QList<QMessageBox::StandardButton> Buttons) {
  std::sort(Buttons.begin(), Buttons.end());
  return Buttons;
}

// Types a name into the dialog, as the user would, and presses its accept button. (selectFile
// leaves the name box alone while it has the focus.)
void ChooseFile(QFileDialog& Dialog, const QString& Name) {
  if (auto* Edit = Dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
    Edit->setText(Name);
  static_cast<QDialog&>(Dialog).accept();
}

QStringList FilterTexts(QFileDialog& Dialog) {
  QStringList Texts;
  auto* Combo = Dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  for (int I = 0; Combo != nullptr && I < Combo->count(); ++I)
    Texts << Combo->itemText(I);
  return Texts;
}

}  // namespace

class QtDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void warningBoxesHaveTheirButtonsDefaultAndEscape() {
    TQtMessageBoxes Boxes(nullptr);
    TBoxSeen Seen;

    AnswerBoxWithKey(Seen, Qt::Key_Escape);
    QCOMPARE(Boxes.WarningYesNoCancel("Do you want to save the changes \r\nto it?"),
             TAnswer::Cancel);
    QCOMPARE(Seen.Title, QStringLiteral("Warning"));
    QCOMPARE(Seen.Text, QStringLiteral("Do you want to save the changes \nto it?"));
    QCOMPARE(Seen.Icon, QMessageBox::Warning);
    QCOMPARE(Seen.Buttons, Sorted({QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}));
    QCOMPARE(Seen.Default, QMessageBox::Yes);
    QCOMPARE(Seen.Escape, QMessageBox::Cancel);

    AnswerBoxWithKey(Seen = {}, Qt::Key_Return);
    QCOMPARE(Boxes.WarningYesNoCancel("Save?"), TAnswer::Yes);

    AnswerBoxWithKey(Seen = {}, Qt::Key_Escape);
    QCOMPARE(Boxes.WarningYesNo("Delete?"), TAnswer::No);
    QCOMPARE(Seen.Title, QStringLiteral("Warning"));
    QCOMPARE(Seen.Buttons, Sorted({QMessageBox::Yes, QMessageBox::No}));
    QCOMPARE(Seen.Default, QMessageBox::Yes);
    QCOMPARE(Seen.Escape, QMessageBox::No);

    AnswerBoxWithKey(Seen = {}, Qt::Key_Escape);
    Boxes.Warning("Careful");
    QCOMPARE(Seen.Title, QStringLiteral("Warning"));
    QCOMPARE(Seen.Buttons, QList<QMessageBox::StandardButton>({QMessageBox::Ok}));
    QCOMPARE(Seen.Default, QMessageBox::Ok);
  }

  void confirmationAndErrorBoxes() {
    TQtMessageBoxes Boxes(nullptr);
    TBoxSeen Seen;

    AnswerBoxWithKey(Seen, Qt::Key_Escape);
    QCOMPARE(Boxes.Confirmation("Overrule?"), TAnswer::No);
    QCOMPARE(Seen.Title, QStringLiteral("Confirm"));
    QCOMPARE(Seen.Buttons, Sorted({QMessageBox::Yes, QMessageBox::No}));
    QCOMPARE(Seen.Default, QMessageBox::Yes);
    QCOMPARE(Seen.Escape, QMessageBox::No);

    AnswerBoxWithKey(Seen = {}, Qt::Key_Return);
    QCOMPARE(Boxes.Confirmation("Overrule?"), TAnswer::Yes);

    AnswerBoxWithKey(Seen = {}, Qt::Key_Escape);
    Boxes.ShowError("Cannot open file /x");
    QCOMPARE(Seen.Title, QStringLiteral("Palaver"));
    QCOMPARE(Seen.Text, QStringLiteral("Cannot open file /x"));
    QCOMPARE(Seen.Icon, QMessageBox::Critical);
  }

  // The window's own boxes are the real ones unless replaced: a failing command shows its
  // message in the error box, and the window goes on.
  void theWindowReportsFailuresInTheRealErrorBox() {
    TTemporaryDirectory Dir;
    TScriptedFileDialogs Dialogs;
    TArgIntForm Form(Dir.Path(), {nullptr, &Dialogs, nullptr});
    Form.show();
    Dialogs.Answers = {Dir.File("missing.lin")};
    TBoxSeen Seen;
    AnswerBoxWithKey(Seen, Qt::Key_Return);
    Form.Open1->trigger();
    QCOMPARE(Seen.Title, QStringLiteral("Palaver"));
    QCOMPARE(Seen.Text, ToQString("Cannot open file " + Dir.File("missing.lin")));
    QVERIFY(Form.isVisible());
  }

  void openDialogShowsTheFilterTextsAndListsEveryFile() {
    TTemporaryDirectory Dir;
    for (const char* Name : {"notes.lin", "README", "picture.png"})
      WriteBytes(Dir.File(Name), "");
    TQtFileDialogs Dialogs(nullptr);
    TFileDialogRequest Request{"OpenDialog1", false, OpenDialogOptions(TLanguage::English),
                               Dir.Path()};
    Request.Options.Title = "Append";

    QStringList Filters, Listed;
    QString Title, ObjectName, Directory;
    QFileDialog::FileMode Mode = QFileDialog::Directory;
    // Only look and record in here: the dialog must be closed whatever it shows.
    WhenOpen<QFileDialog>([&](QFileDialog& Dialog) {
      Title = Dialog.windowTitle();
      ObjectName = Dialog.objectName();
      Filters = FilterTexts(Dialog);
      Mode = Dialog.fileMode();
      Directory = QDir(Dialog.directory()).canonicalPath();
      Dialog.selectNameFilter(Dialog.nameFilters().value(1));
      if (auto* Model = Dialog.findChild<QFileSystemModel*>()) {
        const QModelIndex Root = Model->index(ToQString(Dir.Path()));
        // The model lists the directory in the background.
        (void)QTest::qWaitFor([&] { return Model->rowCount(Root) >= 3; }, 5000);
        for (int Row = 0; Row < Model->rowCount(Root); ++Row)
          Listed << Model->index(Row, 0, Root).data().toString();
      }
      ChooseFile(Dialog, QStringLiteral("README"));
    });
    const std::optional<std::string> Chosen = Dialogs.Execute(Request);

    QCOMPARE(Title, QStringLiteral("Append"));
    QCOMPARE(ObjectName, QStringLiteral("OpenDialog1"));
    QCOMPARE(Mode, QFileDialog::AnyFile);
    QCOMPARE(Directory, QDir(ToQString(Dir.Path())).canonicalPath());
    QCOMPARE(Filters, QStringList({"Lines of argumentation (*.lin)", "All files (*.*)"}));
    Listed.sort();
    QCOMPARE(Listed, QStringList({"README", "notes.lin", "picture.png"}));
    QVERIFY(Chosen.has_value());
    QCOMPARE(*Chosen, Dir.File("README"));
  }

  void saveDialogAddsTheDefaultSuffixAndPromptsBeforeOverwriting() {
    TTemporaryDirectory Dir;
    TQtFileDialogs Dialogs(nullptr);
    const TFileDialogRequest Request{"SaveDialogWithDutchFilters", true,
                                     SaveDialogOptions(TLanguage::Dutch), Dir.Path()};

    QStringList Filters;
    QString Suffix;
    bool Prompts = false, Saves = false;
    WhenOpen<QFileDialog>([&](QFileDialog& Dialog) {
      Filters = FilterTexts(Dialog);
      Prompts = !Dialog.testOption(QFileDialog::DontConfirmOverwrite);
      Saves = Dialog.acceptMode() == QFileDialog::AcceptSave;
      Suffix = Dialog.defaultSuffix();
      ChooseFile(Dialog, QStringLiteral("betoog"));
    });
    const std::optional<std::string> Chosen = Dialogs.Execute(Request);

    QCOMPARE(Filters, QStringList({"Betogen (*.btg)", "Ale bestanden (*.*)"}));
    QVERIFY(Prompts);
    QVERIFY(Saves);
    QCOMPARE(Suffix, QStringLiteral("lin"));
    QCOMPARE(Chosen.value_or(""), Dir.File("betoog.lin"));

    WhenOpen<QFileDialog>([](QFileDialog& Dialog) { Dialog.reject(); });
    QVERIFY(!Dialogs.Execute(Request).has_value());
  }

  void programDirectoryFallsBackWhenTheExecutableDirectoryIsNotWritable() {
    TTemporaryDirectory Dir;
    const QString Writable = ToQString(Dir.Path());
    const QString Config = ToQString(Dir.File("config/Palaver"));
    QCOMPARE(ChooseProgramDirectory(Writable, Config), Dir.Path());
    QVERIFY(!QDir(Config).exists());

    WriteBytes(Dir.File("plain-file"), "");
    const QString NotADirectory = ToQString(Dir.File("plain-file/bin"));
    QCOMPARE(ChooseProgramDirectory(NotADirectory, Config), Dir.File("config/Palaver"));
    QVERIFY(QDir(Config).exists());
  }

  void anInstalledProgramUsesTheConfigurationDirectoryEvenWhenItCouldWriteItsOwn() {
    TTemporaryDirectory Dir;
    QVERIFY(QDir().mkpath(ToQString(Dir.File("usr/bin"))));
    QVERIFY(QDir().mkpath(ToQString(Dir.File("usr/share/applications"))));
    WriteBytes(Dir.File("usr/share/applications/palaver.desktop"), "[Desktop Entry]\n");
    const QString Config = ToQString(Dir.File("home/.config/Palaver"));
    QCOMPARE(ChooseProgramDirectory(ToQString(Dir.File("usr/bin")), Config),
             Dir.File("home/.config/Palaver"));
  }
};

PALAVER_GUI_TEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
