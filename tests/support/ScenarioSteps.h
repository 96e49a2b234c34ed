#pragma once

#include <QString>
#include <QTest>

// Runs a scenario written as "verb argument; verb argument; …" one step at a time, stopping at the
// first step that fails.
template <typename Step> void runScenario(const QString& steps, Step&& step)
{
    for (const QString& text : steps.split(QLatin1Char(';'))) {
        const QString trimmed = text.trimmed();
        const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
        step(trimmed.left(space < 0 ? trimmed.size() : space), space < 0 ? QString() : trimmed.mid(space + 1));
        if (QTest::currentTestFailed())
            return;
    }
}
