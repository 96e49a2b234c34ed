#pragma once

#include <QString>

#include <functional>
#include <memory>

class CardStores;

// Opening the card store at launch. It is the one failure the program cannot run without: the
// reason goes to the log (and so to stderr) and to the reporter, and the caller stops.
namespace CardStoreStartup {

using FatalReporter = std::function<void(const QString& message)>;

std::unique_ptr<CardStores> open(const QString& path, const FatalReporter& report);
// The reporter of the running application: a modal error dialog.
void showFatalDialog(const QString& message);

} // namespace CardStoreStartup
