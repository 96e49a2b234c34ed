#include "preferences/OnboardingPreferences.h"

#include "preferences/DefaultsStore.h"

OnboardingPreferences::OnboardingPreferences(DefaultsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_hasCompleted(store.boolean(kHasCompletedKey).value_or(false))
{
}

void OnboardingPreferences::setHasCompletedOnboarding(bool completed)
{
    m_store.setValue(kHasCompletedKey, completed);
    if (completed == m_hasCompleted)
        return;
    m_hasCompleted = completed;
    Q_EMIT hasCompletedOnboardingChanged(completed);
}
