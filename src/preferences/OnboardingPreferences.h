#pragma once

#include <QObject>

class DefaultsStore;

class OnboardingPreferences : public QObject
{
    Q_OBJECT
public:
    static inline const QString kHasCompletedKey = QStringLiteral("onboarding.hasCompleted");

    explicit OnboardingPreferences(DefaultsStore& store, QObject* parent = nullptr);

    bool hasCompletedOnboarding() const { return m_hasCompleted; }
    void setHasCompletedOnboarding(bool completed);

Q_SIGNALS:
    void hasCompletedOnboardingChanged(bool completed);

private:
    DefaultsStore& m_store;
    bool m_hasCompleted;
};
