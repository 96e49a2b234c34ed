#pragma once

#include <QCoroTask>
#include <QString>

#include <optional>

// The text selected in the application under the pointer: trimmed, never empty when present.
// Asynchronous, because the accessibility bus and the selection owner may be slow to answer.
class SelectionCaptureService
{
public:
    virtual ~SelectionCaptureService() = default;

    virtual QCoro::Task<std::optional<QString>> captureSelectedText() = 0;
};
