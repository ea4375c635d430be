#pragma once

#include <QObject>
#include <memory>

namespace palaver::test {

// Each test file makes its own Qt Test object.
std::unique_ptr<QObject> MakeControlsTest();
std::unique_ptr<QObject> MakeStatementFormTest();
std::unique_ptr<QObject> MakeReasonConclusionFormTest();
std::unique_ptr<QObject> MakeExceptionFormTest();

}  // namespace palaver::test
