// The main window's fixed layout: the button panel, the scroll area with its views and the main
// menu. Captions here are the designed ones; the caption table of the current language replaces
// them when the window is first shown.

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "app/ArgIntForm.h"
#include "app/DiagramPaintBox.h"
#include "app/ScrollBox.h"
#include "views/ArgumentsTree.h"
#include "views/DiagramLayout.h"
#include "views/ListViews.h"

namespace palaver {

namespace {

template <class TWidget>
TWidget* Named(TWidget* Widget, const char* Name) {
  Widget->setObjectName(QString::fromLatin1(Name));
  return Widget;
}

QGroupBox* MakeGroupBox(QWidget* Parent, const char* Name, const char* Caption, QRect Place) {
  auto* Box = Named(new QGroupBox(QString::fromLatin1(Caption), Parent), Name);
  Box->setGeometry(Place);
  return Box;
}

QPushButton* MakeButton(QWidget* Parent, const char* Name, const char* Caption, QRect Place) {
  auto* Button = Named(new QPushButton(QString::fromLatin1(Caption), Parent), Name);
  Button->setGeometry(Place);
  return Button;
}

TSpeedButton* MakeSpeedButton(QWidget* Parent, const char* Name, const char* Caption, QRect Place,
                              TSpeedButtonGroup& Group) {
  auto* Button = Named(new TSpeedButton(Parent), Name);
  Button->setText(QString::fromLatin1(Caption));
  Button->setGeometry(Place);
  Group.Add(Button);
  return Button;
}

// A list or tree of the scroll area, hidden until shown; the views give it its look.
QTreeWidget* MakeTreeWidget(QWidget* Parent, const char* Name) {
  auto* List = Named(new QTreeWidget(Parent), Name);
  List->hide();
  return List;
}

// Menus are windows of their own and do not inherit the window's font by themselves.
QMenu* AddMenu(QMenuBar* Bar, const char* Name, const char* Caption) {
  auto* Menu = Named(Bar->addMenu(QString::fromLatin1(Caption)), Name);
  Menu->setFont(Bar->font());
  return Menu;
}

QAction* AddItem(QMenu* Menu, const char* Name, const char* Caption, bool Visible = true) {
  auto* Item = Named(Menu->addAction(QString::fromLatin1(Caption)), Name);
  Item->setVisible(Visible);
  return Item;
}

QAction* AddSeparator(QMenu* Menu, const char* Name, bool Visible = true) {
  auto* Separator = Named(Menu->addSeparator(), Name);
  Separator->setVisible(Visible);
  return Separator;
}

// The width a button needs to show Caption whole in its font and style: the caption's width
// with its accelerator mark, and the frame and margins the style puts around it. A push button's
// own size hint is no measure: styles give text buttons a generous minimum width.
int CaptionWidth(QAbstractButton* Button, const QString& Caption) {
  const QSize Text = Button->fontMetrics().size(Qt::TextShowMnemonic, Caption);
  if (auto* Push = qobject_cast<QPushButton*>(Button)) {
    QStyleOptionButton Option;
    Option.initFrom(Push);
    Option.text = Caption;
    constexpr int Wide = 400;  // above any minimum a style imposes
    const QSize Frame = Push->style()->sizeFromContents(QStyle::CT_PushButton, &Option,
                                                        QSize(Wide, Text.height()), Push);
    return Text.width() + Frame.width() - Wide;
  }
  auto* Tool = qobject_cast<QToolButton*>(Button);
  const QString Kept = Button->text();
  Button->setText(Caption);
  const int Width = Tool != nullptr ? Tool->sizeHint().width() : Button->sizeHint().width();
  Button->setText(Kept);
  return Width;
}

// The width a group box needs for its title, with the frame's margins on both sides.
int TitleWidth(QGroupBox* Box, const QString& Title) {
  return Box->fontMetrics().size(Qt::TextShowMnemonic, Title).width() + 2 * 8 + 8;
}

}  // namespace

void TArgIntForm::FitButtonPanel() {
  // The designed panel, kept wherever the captions fit it: boxes 121 wide with buttons of 105
  // at 8 from their left, Back and Forward 49 wide side by side. A caption fits when the style
  // finds room for it with its usual margins; one that would touch the button's frame does not.
  constexpr int Margin = 8;
  constexpr int DesignedButtonWidth = 105;
  constexpr int DesignedHalfWidth = 49;
  constexpr int ButtonHeight = 25;
  constexpr int ButtonPitch = 32;

  int ButtonWidth = DesignedButtonWidth;
  int HalfWidth = DesignedHalfWidth;
  int BoxWidth = 0;
  for (const TCaption& Row : MainWindowCaptions()) {
    for (const char* Caption : {Row.English, Row.Dutch}) {
      const QString Text = QString::fromUtf8(Caption);
      if (Row.Control == BackButton || Row.Control == ForwardButton)
        HalfWidth =
            std::max(HalfWidth, CaptionWidth(static_cast<QAbstractButton*>(Row.Control), Text));
      else if (auto* Button = qobject_cast<QAbstractButton*>(Row.Control);
               Button != nullptr && ButtonPanel->isAncestorOf(Button))
        ButtonWidth = std::max(ButtonWidth, CaptionWidth(Button, Text));
      else if (auto* Box = qobject_cast<QGroupBox*>(Row.Control);
               Box != nullptr && ButtonPanel->isAncestorOf(Box))
        BoxWidth = std::max(BoxWidth, TitleWidth(Box, Text));
    }
  }
  // Back and Forward, of one width, stay side by side while they fit beside each other;
  // otherwise each gets a row of its own, as wide as the other buttons.
  const bool SideBySide = 2 * HalfWidth + 7 <= ButtonWidth;
  if (!SideBySide) ButtonWidth = std::max(ButtonWidth, HalfWidth);
  BoxWidth = std::max(BoxWidth, ButtonWidth + 2 * Margin);

  const auto PlaceColumn = [&](QGroupBox* Box, int Top, std::initializer_list<QWidget*> Buttons) {
    int ButtonTop = 16;
    for (QWidget* Button : Buttons) {
      Button->setGeometry(Margin, ButtonTop, ButtonWidth, ButtonHeight);
      ButtonTop += ButtonPitch;
    }
    Box->setGeometry(Margin, Top, BoxWidth, ButtonTop - ButtonPitch + ButtonHeight + Margin);
  };
  PlaceColumn(ArgueGroupBox, 8, {StatementButton, ReasonConclusionButton, ExceptionButton});
  PlaceColumn(
      ViewGroupBox, 128,
      {ViewLineOfArgumentationSpeedButton, ViewStatements2SpeedButton, ViewDialArgsSpeedButton});
  if (SideBySide) {
    LineOfArgGroupBox->setGeometry(Margin, 248, BoxWidth, 49);
    BackButton->setGeometry(Margin, 16, HalfWidth, ButtonHeight);
    ForwardButton->setGeometry(Margin + ButtonWidth - HalfWidth, 16, HalfWidth, ButtonHeight);
  } else {
    PlaceColumn(LineOfArgGroupBox, 248, {BackButton, ForwardButton});
  }

  // The window may be made smaller, but never so small that the panel is cut off: the panel is
  // as high as its boxes, and the diagram beside it keeps at least the panel's width.
  const int PanelWidth = BoxWidth + 2 * Margin;
  ButtonPanel->setFixedWidth(PanelWidth);
  ButtonPanel->setMinimumHeight(LineOfArgGroupBox->geometry().bottom() + 1 + Margin);
  ScrollBox1->setMinimumWidth(PanelWidth);
}

void TArgIntForm::BuildButtonPanel() {
  ButtonPanel = Named(new QWidget(centralWidget()), "ButtonPanel");
  ButtonPanel->setFixedWidth(ButtonPanelWidth);

  ArgueGroupBox = MakeGroupBox(ButtonPanel, "ArgueGroupBox", "Argue", {8, 8, 121, 113});
  StatementButton = MakeButton(ArgueGroupBox, "StatementButton", "Statement", {8, 16, 105, 25});
  ReasonConclusionButton =
      MakeButton(ArgueGroupBox, "ReasonConclusionButton", "Reason/conclusion", {8, 48, 105, 25});
  ExceptionButton = MakeButton(ArgueGroupBox, "ExceptionButton", "Exception", {8, 80, 105, 25});

  ViewGroupBox = MakeGroupBox(ButtonPanel, "ViewGroupBox", "View", {8, 128, 121, 113});
  ViewLineOfArgumentationSpeedButton =
      MakeSpeedButton(ViewGroupBox, "ViewLineOfArgumentationSpeedButton", "L&ine of arg.",
                      {8, 16, 105, 25}, ViewButtons);
  ViewStatements2SpeedButton = MakeSpeedButton(ViewGroupBox, "ViewStatements2SpeedButton",
                                               "&Statements", {8, 48, 105, 25}, ViewButtons);
  ViewDialArgsSpeedButton = MakeSpeedButton(ViewGroupBox, "ViewDialArgsSpeedButton", "&Arguments",
                                            {8, 80, 105, 25}, ViewButtons);

  LineOfArgGroupBox =
      MakeGroupBox(ButtonPanel, "LineOfArgGroupBox", "Line of arg.", {8, 248, 121, 49});
  BackButton = MakeButton(LineOfArgGroupBox, "BackButton", "&Back", {8, 16, 49, 25});
  ForwardButton = MakeButton(LineOfArgGroupBox, "ForwardButton", "For&ward", {64, 16, 49, 25});
  BackButton->setEnabled(false);
  ForwardButton->setEnabled(false);

  // The panel's hidden controls, below the visible boxes.
  Button1 = MakeButton(ButtonPanel, "Button1", "Button1", {8, 304, 49, 25});
  const struct {
    TSpeedButton** Member;
    const char* Name;
    const char* Caption;
  } Hidden[] = {{&ViewStatementsSpeedButton, "ViewStatementsSpeedButton", "Statements"},
                {&ViewReasonsSpeedButton, "ViewReasonsSpeedButton", "Reasons"},
                {&ViewArgumentsSpeedButton, "ViewArgumentsSpeedButton", "Arguments"},
                {&ViewStepsSpeedButton, "ViewStepsSpeedButton", "Steps"},
                {&ViewUndercuttersSpeedButton, "ViewUndercuttersSpeedButton", "Undercutters"}};
  int Top = 336;
  for (const auto& Each : Hidden) {
    *Each.Member = MakeSpeedButton(ButtonPanel, Each.Name, Each.Caption, {16, Top, 105, 25},
                                   HiddenViewButtons);
    Top += 32;
  }
  Button1->hide();
  for (const auto& Each : Hidden)
    (*Each.Member)->hide();
}

void TArgIntForm::BuildScrollBox() {
  ScrollBox1 = Named(new TScrollBox(centralWidget()), "ScrollBox1");
  QWidget* Contents = ScrollBox1->Contents();

  LineOfArgumentationRichEdit = Named(new QTextEdit(Contents), "LineOfArgumentationRichEdit");
  LineOfArgumentationRichEdit->setReadOnly(true);
  LineOfArgumentationRichEdit->setFrameShape(QFrame::NoFrame);
  LineOfArgumentationRichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  LineOfArgumentationRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  LineOfArgumentationRichEdit->hide();

  DialArgsPaintBox = Named(new TDiagramPaintBox(Contents), "DialArgsPaintBox");
  DialArgsPaintBox->SetSurfaceWidth(StartupSurfaceWidth);
  // A paint request redraws the selected drawing; with neither drawing selected (the surface
  // shown by the hidden "Steps" button) it paints nothing.
  DialArgsPaintBox->PaintsPicture = [this] {
    const TViewButton Down = ViewButtonDown();
    return Down == TViewButton::Arguments || Down == TViewButton::Statements;
  };
  DialArgsPaintBox->BoxToolTip = [this](const TDiagramBox& Box) { return DiagramBoxToolTip(Box); };
  DialArgsPaintBox->hide();

  StatementsListView = MakeTreeWidget(Contents, "StatementsListView");
  SetUpStatementsList(*StatementsListView);
  ReasonsListView = MakeTreeWidget(Contents, "ReasonsListView");
  SetUpReasonsList(*ReasonsListView);
  ArgumentsTreeView = MakeTreeWidget(Contents, "ArgumentsTreeView");
  SetUpArgumentsTree(*ArgumentsTreeView);

  DialArgsRichEdit = Named(new QTextEdit(Contents), "DialArgsRichEdit");
  QFont Courier(QStringLiteral("Courier New"), 8);
  Courier.setStyleHint(QFont::TypeWriter);
  DialArgsRichEdit->setFont(Courier);
  DialArgsRichEdit->hide();

  DebugMemo = Named(new QPlainTextEdit(Contents), "DebugMemo");
  DebugMemo->hide();
  Button2 = MakeButton(Contents, "Button2", "Button2", {8, 8, 75, 25});
  Button2->hide();
  ProsConsButton = MakeButton(Contents, "ProsConsButton", "Pros && cons", {8, 40, 75, 25});
  ProsConsButton->hide();

  ScrollBox1->OnResize = [this] { Guarded([this] { ScrollBox1Resize(); }); };

  auto* Layout = new QHBoxLayout(centralWidget());
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->setSpacing(0);
  Layout->addWidget(ButtonPanel);
  Layout->addWidget(ScrollBox1, 1);
}

void TArgIntForm::BuildMainMenu() {
  QMenuBar* Bar = menuBar();

  File1 = AddMenu(Bar, "File1", "&File");
  New1 = AddItem(File1, "New1", "&New");
  Open1 = AddItem(File1, "Open1", "&Open...");
  Append1 = AddItem(File1, "Append1", "&Append...");
  FileSeparator1 = AddSeparator(File1, "FileSeparator1");
  Save1 = AddItem(File1, "Save1", "&Save");
  SaveAs1 = AddItem(File1, "SaveAs1", "Save &As...");
  // The drawing leaves the window here: exported to a file or printed. Printing has no setup of
  // its own: the print dialog sets the printer and the page up.
  FileSeparator2 = AddSeparator(File1, "FileSeparator2");
  Export1 = AddItem(File1, "Export1", "&Export diagram...");
  Export1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  Print1 = AddItem(File1, "Print1", "&Print...");
  Print1->setShortcut(QKeySequence::Print);
  PrintPreview1 = AddItem(File1, "PrintPreview1", "Print pre&view...");
  PrintSetup1 = AddItem(File1, "PrintSetup1", "P&rint Setup...", false);
  FileSeparator3 = AddSeparator(File1, "FileSeparator3");
  Exit1 = AddItem(File1, "Exit1", "E&xit");

  Move1 = AddMenu(Bar, "Move1", "A&rgue");
  Statement1 = AddItem(Move1, "Statement1", "&Statement");
  ReasonConclusion1 = AddItem(Move1, "ReasonConclusion1", "&Reason/conclusion");
  Exception1 = AddItem(Move1, "Exception1", "&Exception");
  ProsCons1 = AddItem(Move1, "ProsCons1", "&Pros && cons", false);
  ArgueSeparator1 = AddSeparator(Move1, "ArgueSeparator1", false);
  Back1 = AddItem(Move1, "Back1", "&Back", false);
  Forward1 = AddItem(Move1, "Forward1", "&Forward", false);

  View1 = AddMenu(Bar, "View1", "&View");
  Lineofargumentation1 = AddItem(View1, "Lineofargumentation1", "&Line of argumentation");
  Statements1 = AddItem(View1, "Statements1", "&Statements");
  Reasons1 = AddItem(View1, "Reasons1", "&Reasons", false);
  Arguments1 = AddItem(View1, "Arguments1", "&Arguments");
  ViewSeparator1 = AddSeparator(View1, "ViewSeparator1", false);
  Options1 = AddItem(View1, "Options1", "&Options", false);
  ViewSeparator2 = AddSeparator(View1, "ViewSeparator2");
  ZoomIn1 = AddItem(View1, "ZoomIn1", "Zoom &in");
  // Ctrl+Plus with or without Shift, and Ctrl+= where Plus is Shift+=.
  ZoomIn1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus),
                         QKeySequence(Qt::CTRL | Qt::Key_Equal),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)});
  ZoomOut1 = AddItem(View1, "ZoomOut1", "Zoom o&ut");
  ZoomOut1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Minus),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Underscore)});
  ZoomNormal1 = AddItem(View1, "ZoomNormal1", "Normal si&ze");
  ZoomNormal1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  ViewSeparator3 = AddSeparator(View1, "ViewSeparator3");
  Find1 = AddItem(View1, "Find1", "&Find...");
  Find1->setShortcut(QKeySequence::Find);
  FindNext1 = AddItem(View1, "FindNext1", "Find &next");
  FindNext1->setShortcut(QKeySequence(Qt::Key_F3));
  FindPrevious1 = AddItem(View1, "FindPrevious1", "Find pre&vious");
  FindPrevious1->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));

  Lineofarg1 = AddMenu(Bar, "Lineofarg1", "&Line of arg.");
  Back2 = AddItem(Lineofarg1, "Back2", "&Back");
  Forward2 = AddItem(Lineofarg1, "Forward2", "&Forward");
  Back2->setEnabled(false);
  Forward2->setEnabled(false);

  Options = AddMenu(Bar, "Options", "&Options");
  ShowStructureOnly = AddItem(Options, "ShowStructureOnly", "&Show structure only");
  ShowStructureOnly->setCheckable(true);
  SwitchLanguageMenuItem =
      AddItem(Options, "SwitchLanguageMenuItem", "Switch &language (to Dutch)", false);

  Help1 = AddMenu(Bar, "Help1", "&Help");
  Contents1 = AddItem(Help1, "Contents1", "&Contents", false);
  HelpSeparator1 = AddSeparator(Help1, "HelpSeparator1", false);
  Legend1 = AddItem(Help1, "Legend1", "&Legend...");
  About1 = AddItem(Help1, "About1", "&About...");

  BuildDiagramCommands();
}

}  // namespace palaver
