#pragma once

// What the tests of the drawing's ways out of the window share: a run with logging on, file
// dialogs that also say which filter was chosen, a line tall enough to scroll, and the PDF
// reader's own tools (poppler's pdftotext and pdfinfo) to read what was written.

#include <QProcess>
#include <QStandardPaths>
#include <deque>
#include <string>
#include <vector>

#include "GuiTestSupport.h"

namespace palaver::guitest {

// File dialogs that answer with a path and a filter index, and remember what they were asked.
class TFilterFileDialogs final : public TFileDialogs {
 public:
  std::deque<TChosenFile> Answers;
  std::vector<TFileDialogRequest> Shown;

  std::optional<std::string> Execute(const TFileDialogRequest& Request) override {
    std::optional<TChosenFile> Chosen = ExecuteWithFilter(Request);
    if (!Chosen) return std::nullopt;
    return Chosen->Path;
  }
  std::optional<TChosenFile> ExecuteWithFilter(const TFileDialogRequest& Request) override {
    Shown.push_back(Request);
    if (Answers.empty()) return std::nullopt;
    TChosenFile Answer = Answers.front();
    Answers.pop_front();
    return Answer;
  }
};

// A run with logging on; Language and the further settings lines as given.
struct TDrawingRun : TProgramRun {
  TFilterFileDialogs FilterDialogs;

  explicit TDrawingRun(const std::string& MoreSettings = "", const std::string& StartupFile = "") {
    WriteSettings("[Options]\r\nLogging=On\r\n" + MoreSettings);
    Form = std::make_unique<TArgIntForm>(Dir.Path(), TArgIntFormServices{&Boxes, &Dialogs, &Clock});
    Form->SetFileDialogs(&FilterDialogs);
    Form->SetStartupFile(StartupFile);
    Form->show();
    QTest::qWait(0);
  }
  TArgIntForm& Window() { return *Form; }
};

// The sentence of statement I of a tall line: one line each, and each different.
inline std::string TallSentence(int I) {
  return "Statement number " + std::to_string(I) + " of the tall line";
}

// Puts Count issues forward, so that the diagram is one column of Count boxes.
inline void MakeTallLine(TArgIntForm& Form, int Count) {
  for (int I = 0; I < Count; ++I)
    Form.Core().StatementMove(Issue(TallSentence(I)));
}

// The output of one of poppler's tools on File, or nothing when the tool is not there.
inline std::optional<QString> PopplerOutput(const QString& Tool, QStringList Arguments) {
  if (QStandardPaths::findExecutable(Tool).isEmpty()) return std::nullopt;
  QProcess Process;
  Process.start(Tool, Arguments);
  if (!Process.waitForFinished(30000) || Process.exitCode() != 0) return QString();
  return QString::fromUtf8(Process.readAllStandardOutput());
}

inline std::optional<QString> PdfText(const std::string& File, int Page = 0) {
  QStringList Arguments{QStringLiteral("-layout")};
  if (Page > 0)
    Arguments << QStringLiteral("-f") << QString::number(Page) << QStringLiteral("-l")
              << QString::number(Page);
  Arguments << QString::fromStdString(File) << QStringLiteral("-");
  return PopplerOutput(QStringLiteral("pdftotext"), Arguments);
}

inline int PdfPages(const std::string& File) {
  const std::optional<QString> Info =
      PopplerOutput(QStringLiteral("pdfinfo"), {QString::fromStdString(File)});
  if (!Info) return -1;
  for (const QString& Line : Info->split(QLatin1Char('\n')))
    if (Line.startsWith(QLatin1String("Pages:"))) return Line.mid(6).trimmed().toInt();
  return 0;
}

}  // namespace palaver::guitest
