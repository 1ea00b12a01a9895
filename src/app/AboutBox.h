#pragma once
// "About Orvane Live" and the two-button file offer box.

#include <QDialog>

namespace orv {

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
};

// A message line with two buttons: the first accepts the offer, the second only closes.
class TfrmFileOffer : public QDialog {
    Q_OBJECT
public:
    TfrmFileOffer(const QString& message, const QString& acceptText, const QString& closeText,
                  QWidget* parent = nullptr);
};

} // namespace orv
