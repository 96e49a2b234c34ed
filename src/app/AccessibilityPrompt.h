#pragma once

#include <QCoreApplication>

class AccessibilityTrust;
class QMessageBox;
class QWidget;

// Asks to switch the desktop's accessibility service on when it is off: without it no word can
// be read from other applications. Not modal; the launch goes on meanwhile.
class AccessibilityPrompt
{
    Q_DECLARE_TR_FUNCTIONS(AccessibilityPrompt)
public:
    // The dialog, already shown; it deletes itself when closed.
    static QMessageBox* show(AccessibilityTrust& trust, QWidget* parent = nullptr);
};
