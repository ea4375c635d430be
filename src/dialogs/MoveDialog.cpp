#include "dialogs/MoveDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <exception>
#include <vector>

#include "controller/MainWindowCore.h"
#include "dialogs/DialogComboBox.h"
#include "dialogs/RadioGroup.h"
#include "line/LineOfArgumentation.h"
#include "session/MessageBoxes.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "views/QtText.h"

namespace palaver {

namespace {

QFont DialogFont() {
  QFont Font(QStringLiteral("Sans Serif"), 8);
  Font.setStyleHint(QFont::SansSerif);
  return Font;
}

QPushButton* NewButton(QWidget* Parent, const char* Name, const char* Caption) {
  auto* Button = new QPushButton(ToQString(Caption), Parent);
  Button->setObjectName(QString::fromLatin1(Name));
  Button->setMinimumWidth(75);
  return Button;
}

}  // namespace

TMoveDialog::TMoveDialog(TMainWindowCore& Core, QSize ClientSize, QWidget* Parent)
    : QDialog(Parent), Core(Core), Focus(*this) {
  setModal(true);
  setFont(DialogFont());
  setFixedSize(ClientSize);
  OKButton = NewButton(this, "OKButton", "&OK");
  CancelButton = NewButton(this, "CancelButton", "Cancel");
  DeleteButton = NewButton(this, "DeleteButton", "&Delete");
  OKButton->setDefault(true);

  Bind(OKButton, &QPushButton::clicked, [this] { OKButtonClick(); });
  Bind(CancelButton, &QPushButton::clicked, [this] { CancelButtonClick(); });
  Bind(DeleteButton, &QPushButton::clicked, [this] { DeleteButtonClick(); });
  // The buttons are controls of their own: moving the focus onto one leaves the control
  // before it.
  for (QPushButton* Button : {OKButton, CancelButton, DeleteButton})
    Focus.Add(*Button, {}, {});
}

void TMoveDialog::CancelButtonClick() {
  LogUserAction("Cancel (button)");
  MarkToClose(Rejected);
}

void TMoveDialog::Run(const std::function<void()>& Handler) {
  ++RunDepth;
  try {
    Handler();
  } catch (const std::exception& Failure) {
    ShowFailure(Failure);
  }
  --RunDepth;
  if (RunDepth == 0 && CloseMarked) {
    CloseMarked = false;
    done(CloseResult);
  }
}

void TMoveDialog::ShowFailure(const std::exception& Failure) {
  try {
    Core.MessageBoxes().ShowError(Failure.what());
  } catch (...) {
    // Nothing is left to report with; the event loop must go on regardless.
  }
}

void TMoveDialog::BindFocus(QWidget& Area, std::function<void()> Enter,
                            std::function<void()> Exit) {
  auto Wrap = [this](std::function<void()> Handler) -> std::function<void()> {
    if (!Handler) return {};
    return [this, Handler = std::move(Handler)] { Run(Handler); };
  };
  Focus.Add(Area, Wrap(std::move(Enter)), Wrap(std::move(Exit)));
}

void TMoveDialog::MarkToClose(int Result) {
  CloseMarked = true;
  CloseResult = Result;
}

QLabel* TMoveDialog::NewLabel(const char* Name, const char* Caption) {
  auto* Label = new QLabel(ToQString(Caption), this);
  Label->setObjectName(QString::fromLatin1(Name));
  return Label;
}

TDialogComboBox* TMoveDialog::NewComboBox(const char* Name, const char* Text, QLabel* Label) {
  auto* Box = new TDialogComboBox(this);
  Box->setObjectName(QString::fromLatin1(Name));
  Box->SetSentence(Text);
  Label->setBuddy(Box);
  return Box;
}

TRadioGroup* TMoveDialog::NewTypeGroup(const char* Name, const char* Caption, int Selected) {
  auto* Group = new TRadioGroup(ToQString(Caption), this);
  Group->setObjectName(QString::fromLatin1(Name));
  Group->SetItems({QStringLiteral("Issue"), QStringLiteral("Assumption")});
  Group->SetItemIndex(Selected);
  return Group;
}

QHBoxLayout* TMoveDialog::ButtonRow() {
  auto* Row = new QHBoxLayout;
  Row->setSpacing(8);
  Row->addWidget(OKButton);
  Row->addWidget(DeleteButton);
  Row->addWidget(CancelButton);
  return Row;
}

QGroupBox* TMoveDialog::CheckBoxGroup(QWidget* Parent, const char* Name, const char* Caption,
                                      QCheckBox*& First, const char* FirstName,
                                      const char* FirstCaption, QCheckBox*& Second,
                                      const char* SecondName, const char* SecondCaption) {
  auto* Box = new QGroupBox(ToQString(Caption), Parent);
  Box->setObjectName(QString::fromLatin1(Name));
  First = new QCheckBox(ToQString(FirstCaption), Box);
  First->setObjectName(QString::fromLatin1(FirstName));
  Second = new QCheckBox(ToQString(SecondCaption), Box);
  Second->setObjectName(QString::fromLatin1(SecondName));
  auto* Column = new QVBoxLayout(Box);
  Column->setContentsMargins(8, 2, 8, 4);
  Column->setSpacing(2);
  Column->addWidget(First);
  Column->addWidget(Second);
  return Box;
}

void TMoveDialog::SetTabOrder(std::initializer_list<QWidget*> Controls) {
  std::vector<QWidget*> Chain;
  for (QWidget* Control : Controls) {
    if (auto* Group = qobject_cast<TRadioGroup*>(Control)) {
      for (int I = 0; I < Group->Count(); ++I)
        Chain.push_back(Group->Button(I));
    } else {
      Chain.push_back(Control);
    }
  }
  for (std::size_t I = 1; I < Chain.size(); ++I)
    QWidget::setTabOrder(Chain[I - 1], Chain[I]);
}

void TMoveDialog::FillWithStatements(TDialogComboBox& Box) {
  std::vector<std::string> Sentences;
  for (const PStatement& S : State().LineOfArgumentation->CurrentStage->Statements)
    Sentences.push_back(S->Sentence);
  Box.SetSentences(Sentences, State().Language);
}

void TMoveDialog::PresetType(const TDialogComboBox& Box, TRadioGroup& Group) {
  const std::string Text = Box.Sentence();
  // The whole list, as the stage holds each sentence once.
  for (const PStatement& S : State().LineOfArgumentation->CurrentStage->Statements) {
    if (S->Sentence == Text) Group.SetItemIndex(S->StatementType == TStatementType::Issue ? 0 : 1);
  }
}

bool TMoveDialog::SentencesFit(const std::vector<TSentenceToCheck>& Sentences) {
  for (const TSentenceToCheck& S : Sentences) {
    if (FitsTranscriptLine(S.Sentence)) continue;
    Core.MessageBoxes().Warning(SentenceTooLongText(State().Language, S.Role, S.Sentence.size()));
    LogUserAction(SentenceTooLongMessage);
    return false;
  }
  return true;
}

TStatementType TMoveDialog::TypeOfItem(const TRadioGroup& Group) {
  return Group.ItemIndex() == 1 ? TStatementType::Assumption : TStatementType::Issue;
}

std::string TMoveDialog::ItemMark(const TRadioGroup& Group) {
  return TypeMark(TypeOfItem(Group));
}

void TMoveDialog::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (Event->spontaneous() || Showing) return;
  Showing = true;
  if (const QScreen* Screen = screen()) {
    const QRect Available = Screen->availableGeometry();
    move(Available.center() - QPoint(width() / 2, height() / 2));
  }
  Focus.Start();
  Run([this] { FormShow(); });
}

void TMoveDialog::hideEvent(QHideEvent* Event) {
  // Hidden without closing (the window going away, say): the next showing starts afresh.
  if (!Event->spontaneous() && Showing) {
    Showing = false;
    Focus.Stop();
  }
  QDialog::hideEvent(Event);
}

void TMoveDialog::keyPressEvent(QKeyEvent* Event) {
  // Escape presses the Cancel button, so it is logged as that button.
  if (Event->matches(QKeySequence::Cancel) && CancelButton->isEnabled()) {
    CancelButton->click();
    return;
  }
  QDialog::keyPressEvent(Event);
}

void TMoveDialog::done(int Result) {
  if (Showing) {
    Showing = false;
    // From here on the focus only leaves the dialog; nothing of that is an exit.
    Focus.Stop();
    try {
      FormClose();
    } catch (const std::exception& Failure) {
      ShowFailure(Failure);
    }
  }
  QDialog::done(Result);
}

}  // namespace palaver
