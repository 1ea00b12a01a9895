#include "platform/PasswordVault.h"

#include <qt6keychain/keychain.h>

#include <QDebug>
#include <QEventLoop>
#include <QTimer>

namespace orv {
namespace {

// Runs the job to its end or to the time-out; on a time-out the job is left to finish and free itself.
template <typename Job> std::pair<bool, QKeychain::Error> runJob(Job* job, int timeoutMs) {
    QEventLoop loop;
    bool finished = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished) {
        QObject::disconnect(job, nullptr, &loop, nullptr);
        job->setAutoDelete(true);
        return {false, QKeychain::OtherError};
    }
    return {true, job->error()};
}

} // namespace

TKeyringVault::TKeyringVault(QString service, int timeoutMs)
    : m_service(std::move(service)), m_timeoutMs(timeoutMs) {}

IPasswordVault::Outcome TKeyringVault::Store(const QString& key, const QString& password) {
    if (m_unavailable)
        return Outcome::Unavailable;
    auto* job = new QKeychain::WritePasswordJob(m_service);
    job->setAutoDelete(false);
    job->setKey(key);
    job->setTextData(password);
    const auto [finished, error] = runJob(job, m_timeoutMs);
    const QString reason = finished ? job->errorString() : QStringLiteral("no answer in time");
    if (finished)
        delete job;
    if (finished && error == QKeychain::NoError)
        return Outcome::Done;
    qWarning() << "keyring unavailable, the password stays in the settings file:" << reason;
    m_unavailable = true;
    return Outcome::Unavailable;
}

IPasswordVault::Outcome TKeyringVault::Load(const QString& key, QString& password) {
    if (m_unavailable)
        return Outcome::Unavailable;
    auto* job = new QKeychain::ReadPasswordJob(m_service);
    job->setAutoDelete(false);
    job->setKey(key);
    const auto [finished, error] = runJob(job, m_timeoutMs);
    if (!finished) {
        qWarning() << "keyring did not answer in time; using the settings file";
        m_unavailable = true;
        return Outcome::Unavailable;
    }
    const QString text = job->textData();
    const QString reason = job->errorString();
    delete job;
    if (error == QKeychain::NoError) {
        password = text;
        return Outcome::Done;
    }
    if (error == QKeychain::EntryNotFound)
        return Outcome::NotFound;
    qWarning() << "keyring unavailable; using the settings file:" << reason;
    m_unavailable = true;
    return Outcome::Unavailable;
}

IPasswordVault::Outcome TKeyringVault::Remove(const QString& key) {
    if (m_unavailable)
        return Outcome::Unavailable;
    auto* job = new QKeychain::DeletePasswordJob(m_service);
    job->setAutoDelete(false);
    job->setKey(key);
    const auto [finished, error] = runJob(job, m_timeoutMs);
    if (finished)
        delete job;
    if (finished && (error == QKeychain::NoError || error == QKeychain::EntryNotFound))
        return error == QKeychain::NoError ? Outcome::Done : Outcome::NotFound;
    m_unavailable = true;
    return Outcome::Unavailable;
}

} // namespace orv
