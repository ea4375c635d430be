#pragma once

#include <QObject>
#include <QStringList>
#include <QTreeWidget>
#include <memory>

namespace palaver::test {

std::unique_ptr<QObject> MakeListViewsTest();
std::unique_ptr<QObject> MakeArgumentsTreeTest();

inline QStringList ItemTexts(const QTreeWidget& List) {
  QStringList Texts;
  for (int I = 0; I < List.topLevelItemCount(); ++I)
    Texts << List.topLevelItem(I)->text(0);
  return Texts;
}

}  // namespace palaver::test
