#include "dialogs/CaptionTable.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "dialogs/RadioGroup.h"
#include "views/QtText.h"

namespace palaver {

void ApplyCaptionTable(QWidget& Form, std::span<const TCaptionRow> Rows, TLanguage Language) {
  const bool Dutch = Language == TLanguage::Dutch;
  const QStringList TypeItems =
      Dutch ? QStringList{QStringLiteral("Kwestie"), QStringLiteral("Aanname")}
            : QStringList{QStringLiteral("Issue"), QStringLiteral("Assumption")};
  for (const TCaptionRow& Row : Rows) {
    const QString Caption = ToQString(Dutch ? Row.Dutch : Row.English);
    if (*Row.Control == '\0') {
      Form.setWindowTitle(Caption);
      continue;
    }
    auto* Control = Form.findChild<QWidget*>(QString::fromLatin1(Row.Control));
    Q_ASSERT_X(Control != nullptr, "ApplyCaptionTable", Row.Control);
    if (auto* Group = qobject_cast<TRadioGroup*>(Control)) {
      Group->setTitle(Caption);
      Group->SetItems(TypeItems);
    } else if (auto* Box = qobject_cast<QGroupBox*>(Control)) {
      Box->setTitle(Caption);
    } else if (auto* Label = qobject_cast<QLabel*>(Control)) {
      Label->setText(Caption);
    } else if (auto* Button = qobject_cast<QAbstractButton*>(Control)) {
      Button->setText(Caption);
    }
  }
}

}  // namespace palaver
