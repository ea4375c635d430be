// The drawing leaves the window: exported to PNG, SVG and PDF files and read back by their
// readers, printed to a PDF file across pages, copied to the clipboard; refused where saving is;
// and the message boxes that quote a long sentence stay within the screen.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QXmlStreamReader>
#include <filesystem>

#include "DrawingOutTestSupport.h"
#include "ModalDialogSupport.h"
#include "app/DiagramPaintBox.h"
#include "app/QtMessageBoxes.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

QStringList SvgTexts(const std::string& Bytes) {
  QStringList Texts;
  QXmlStreamReader Reader(QByteArray::fromStdString(Bytes));
  while (!Reader.atEnd())
    if (Reader.readNext() == QXmlStreamReader::StartElement &&
        Reader.name() == QLatin1String("text"))
      Texts << Reader.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
  return Texts;
}

// The sentences a picture shows, one per box.
QStringList Sentences(const TDiagramPicture& Picture) {
  QStringList Texts;
  for (const TDiagramBox& Box : Picture.Boxes)
    Texts << QString::fromStdString(Box.Statement->Sentence);
  return Texts;
}

}  // namespace

class DrawingOutTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void exportWritesEachFormatThatItsReaderReadsBack() {
    TDrawingRun Run;
    TArgIntForm& Form = Run.Window();
    MakeTallLine(Form, 30);
    const QStringList Shown = Sentences(Form.DialArgsPaintBox->Picture());
    QCOMPARE(Shown.size(), 30);
    const std::size_t Mark = Run.LoggedSinceShow().size();

    const std::string Pdf = Run.Dir.File("map.pdf");
    const std::string Svg = Run.Dir.File("map.svg");
    const std::string Png = Run.Dir.File("map.png");
    const std::string Large = Run.Dir.File("slide.png");
    // The suffix typed decides the format, whatever the filter; the second filter doubles a PNG.
    Run.FilterDialogs.Answers = {{Pdf, 0}, {Svg, 0}, {Png, 3}, {Large, 1}};
    for (int I = 0; I < 4; ++I)
      QTest::keyClick(&Form, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(Run.FilterDialogs.Shown.size(), std::size_t{4});
    const TFileDialogRequest& Request = Run.FilterDialogs.Shown[0];
    QCOMPARE(Request.Options.Title, std::string("Export diagram"));
    QCOMPARE(Request.Options.Filters.size(), std::size_t{4});
    QCOMPARE(Request.Options.Filters[1].Description,
             std::string("PNG image, twice the resolution (*.png)"));
    QVERIFY(Request.Options.PromptOverwrite);
    QVERIFY(Request.SuffixFollowsFilter);
    QCOMPARE(Request.SuggestedName, std::string("diagram.png"));
    QCOMPARE(
        Run.LoggedAfter(Mark),
        (TLines{"Export diagram (menu)", "Export diagram to: " + Pdf, "Export diagram (menu)",
                "Export diagram to: " + Svg, "Export diagram (menu)", "Export diagram to: " + Png,
                "Export diagram (menu)", "Export diagram to: " + Large}));

    // The PDF keeps its text as text: a reader finds every statement shown.
    const std::optional<QString> Text = PdfText(Pdf);
    if (!Text) QSKIP("pdftotext is not installed (poppler-utils)");
    for (const QString& Sentence : Shown)
      QVERIFY2(Text->contains(Sentence), qPrintable(Sentence));
    QVERIFY(Text->contains(QStringLiteral("page 1 of 1")));

    QSvgRenderer Renderer(QString::fromStdString(Svg));
    QVERIFY(Renderer.isValid());
    const QStringList Texts = SvgTexts(ReadBytes(Svg));
    for (const QString& Sentence : Shown)
      QVERIFY2(Texts.contains(Sentence), qPrintable(Sentence));

    const QImage Image(QString::fromStdString(Png));
    QCOMPARE(Image.size(),
             QSize(Form.DialArgsPaintBox->LayoutWidth(), Form.DialArgsPaintBox->Picture().Height));
    const QImage Slide(QString::fromStdString(Large));
    QCOMPARE(Slide.size(), Image.size() * 2);
  }

  void exportOfTheStatementsViewAndAFailureThatChangesNothing() {
    TDrawingRun Run("Language=Dutch\r\n");
    TArgIntForm& Form = Run.Window();
    Form.Core().StatementMove(Issue("alleen in de beweringen"));
    Form.ViewStatements2SpeedButton->click();
    const std::string Svg = Run.Dir.File("beweringen.svg");
    Run.FilterDialogs.Answers = {{Svg, 2}};
    Form.Export1->trigger();
    QCOMPARE(Run.FilterDialogs.Shown[0].Options.Title, std::string("Diagram exporteren"));
    QCOMPARE(Form.Export1->text(), QStringLiteral("Diagram &exporteren..."));
    QVERIFY(SvgTexts(ReadBytes(Svg)).contains(QStringLiteral("alleen in de beweringen")));

    // A directory in the way: the platform's message, and the window goes on as it was.
    const std::string Blocked = Run.Dir.File("blocked.png");
    std::filesystem::create_directory(Blocked);
    Run.FilterDialogs.Answers = {{Blocked, 0}};
    Form.Export1->trigger();
    QCOMPARE(Run.Boxes.Shown.back().Kind, TScriptedMessageBoxes::TKind::Error);
    QCOMPARE(Run.Boxes.Shown.back().Text, "Cannot create file " + Blocked);
    QVERIFY(std::filesystem::is_directory(Blocked));
    QCOMPARE(Form.ViewButtonDown(), TViewButton::Statements);
  }

  void printingATallDiagramToAPdfFileBreaksBetweenBoxes() {
    TDrawingRun Run;
    TArgIntForm& Form = Run.Window();
    MakeTallLine(Form, 70);
    const std::string File = Run.Dir.File("printed.pdf");
    QPrinter Printer(QPrinter::HighResolution);
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(QString::fromStdString(File));
    Printer.setPageSize(QPageSize(QPageSize::A4));
    Form.PrintDrawing(Printer);
    const int Pages = PdfPages(File);
    if (Pages < 0) QSKIP("pdfinfo is not installed (poppler-utils)");
    QVERIFY2(Pages >= 2, qPrintable(QString::number(Pages)));
    // Every statement stands whole on exactly one page, under that page's heading.
    QStringList Found;
    for (int Page = 1; Page <= Pages; ++Page) {
      const QString Text = *PdfText(File, Page);
      QVERIFY(Text.contains(QStringLiteral("page %1 of %2").arg(Page).arg(Pages)));
      QVERIFY(Text.contains(QStringLiteral("New.lin")));
      for (int I = 0; I < 70; ++I)
        if (Text.contains(QString::fromStdString(TallSentence(I)) + QLatin1Char('\n')) ||
            Text.contains(QString::fromStdString(TallSentence(I)) + QLatin1Char(' ')))
          Found << QString::number(I);
    }
    QCOMPARE(Found.size(), 70);
  }

  void copyPutsAnImageAndAnSvgOnTheClipboard() {
    TDrawingRun Run;
    TArgIntForm& Form = Run.Window();
    Form.Core().StatementMove(Issue("copied"));
    QApplication::clipboard()->clear();
    Form.DialArgsPaintBox->setFocus();
    QTest::keyClick(Form.DialArgsPaintBox, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* Data = QApplication::clipboard()->mimeData();
    QVERIFY(Data != nullptr);
    QVERIFY(Data->hasImage());
    const auto Image = qvariant_cast<QImage>(Data->imageData());
    QCOMPARE(Image.width(), Form.DialArgsPaintBox->LayoutWidth());
    QVERIFY(SvgTexts(Data->data(QStringLiteral("image/svg+xml")).toStdString())
                .contains(QStringLiteral("copied")));
    QCOMPARE(Run.LoggedSinceShow().back(), std::string("Copy diagram"));

    // The Menu key opens the drawing's context menu: it holds Copy, the other ways out and the
    // view's commands.
    QStringList Items;
    QTimer::singleShot(100, [&Items] {
      if (auto* Menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* Item : Menu->actions())
          Items << (Item->isSeparator() ? QStringLiteral("-") : Item->text());
        Menu->close();
      }
    });
    QContextMenuEvent Key(QContextMenuEvent::Keyboard, QPoint(5, 5),
                          Form.DialArgsPaintBox->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Form.DialArgsPaintBox, &Key);
    QCOMPARE(Items, QStringList({"&Copy diagram", "&Export diagram...", "&Print...", "-",
                                 "Zoom &in", "Zoom o&ut", "Normal si&ze", "-", "&Find..."}));
    QCOMPARE(Run.LoggedSinceShow().back(), std::string("Diagram context menu"));
  }

  void printAndItsPreviewShowTheDrawingsPages() {
    TDrawingRun Run;
    TArgIntForm& Form = Run.Window();
    MakeTallLine(Form, 70);
    int Pages = 0;
    WhenOpen<QPrintPreviewDialog>([&Pages](QPrintPreviewDialog& Dialog) {
      auto* Preview = Dialog.findChild<QPrintPreviewWidget*>();
      if (Preview != nullptr) Pages = Preview->pageCount();
      Dialog.reject();
    });
    Form.PrintPreview1->trigger();
    QCOMPARE(Pages, 2);
    bool Opened = false;
    bool ToFile = false;
    WhenOpen<QPrintDialog>([&](QPrintDialog& Dialog) {
      Opened = true;
      ToFile = Dialog.testOption(QAbstractPrintDialog::PrintToFile);
      Dialog.reject();
    });
    // (The preview's closing leaves no window active here: the item itself, and its key.)
    Form.Print1->trigger();
    QCOMPARE(Form.Print1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QVERIFY(Opened);
    QVERIFY(ToFile);
    QCOMPARE(Run.LoggedSinceShow().back(), std::string("Print (menu)"));
    const TLines Logged = Run.LoggedSinceShow();
    QCOMPARE(std::count(Logged.begin(), Logged.end(), std::string("Print preview (menu)")), 1L);
  }

  void withoutSavingNoFileIsWrittenButPaperStays() {
    TDrawingRun Run("SavingOk=No\r\n");
    TArgIntForm& Form = Run.Window();
    Form.Core().StatementMove(Issue("kept in the room"));
    QVERIFY(!Form.Export1->isEnabled());
    QVERIFY(!Form.Save1->isEnabled());
    QVERIFY(Form.Print1->isEnabled());
    QVERIFY(Form.PrintPreview1->isEnabled());
    QTest::keyClick(&Form, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(Run.FilterDialogs.Shown.empty());

    // The print dialog offers no file to print to.
    bool Opened = false;
    bool ToFile = true;
    WhenOpen<QPrintDialog>([&](QPrintDialog& Dialog) {
      Opened = true;
      ToFile = Dialog.testOption(QAbstractPrintDialog::PrintToFile);
      Dialog.reject();
    });
    Form.Print1->trigger();
    QVERIFY(Opened);
    QVERIFY(!ToFile);

    const std::string File = Run.Dir.File("smuggled.pdf");
    QPrinter Printer;
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(QString::fromStdString(File));
    Form.PrintDrawing(Printer);
    QVERIFY(!std::filesystem::exists(File));
    QCOMPARE(Run.Boxes.Shown.back().Kind, TScriptedMessageBoxes::TKind::Warning);
    QCOMPARE(Run.Boxes.Shown.back().Text, std::string("Printing to a file is not allowed here."));
  }

  void aBoxQuotingAFourThousandByteSentenceFitsTheScreen() {
    std::string Sentence;
    while (Sentence.size() < 4000)
      Sentence += "een lange geplakte alinea met woorden ";
    Sentence.resize(4000);
    const std::string Text = "The statement \"" + Sentence + "\" is already present.";
    const std::string ThreeTimes = Text + "\r\n" + Text + "\r\n" + Text;
    const QRect Screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (int Round = 0; Round < 2; ++Round) {
      bool Seen = false;
      WhenOpen<QMessageBox>([&](QMessageBox& Box) {
        Seen = true;
        QVERIFY(Box.frameGeometry().width() <= Screen.width());
        QVERIFY(Box.frameGeometry().height() <= Screen.height());
        // The sentence is whole, and can be selected to be copied.
        QVERIFY(Box.text().contains(QString::fromStdString(Sentence)));
        auto* Label = Box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(Label != nullptr);
        // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): the QVERIFY above returns on null
        QVERIFY(Label->textInteractionFlags() & Qt::TextSelectableByMouse);
        QVERIFY(Label->wordWrap());
        // The buttons are within reach.
        for (QAbstractButton* Button : Box.buttons())
          QVERIFY(Box.rect().contains(
              Button->geometry().translated(Button->parentWidget()->mapTo(&Box, QPoint(0, 0)))));
        QTest::keyClick(&Box, Qt::Key_Escape);
      });
      TQtMessageBoxes Boxes(nullptr);
      if (Round == 0)
        Boxes.Warning(Text);
      else
        QCOMPARE(Boxes.WarningYesNoCancel(ThreeTimes), TAnswer::Cancel);
      QVERIFY(Seen);
    }
  }
};

PALAVER_GUI_TEST_MAIN(DrawingOutTest)
#include "DrawingOutTest.moc"
