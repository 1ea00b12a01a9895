#pragma once
// A web page that shows no boxes of its own: script dialogs, file choosers, certificate errors, log-ins and
// permission requests are all answered "no" without asking, and addresses of unknown schemes are never handed
// to other programs. The tour browser and the file viewer build on it.

#include <QWebEnginePage>

namespace orv {

class TQuietWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit TQuietWebPage(QObject* parent = nullptr);

protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& message, const QString& defaultValue,
                          QString* result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;
};

} // namespace orv
