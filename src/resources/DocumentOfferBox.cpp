#include "resources/DocumentOfferBox.h"

#include "resources/ResourceLibrary.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace orv {

namespace {

class TfrmDocumentOffer final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(orv::TfrmDocumentOffer)

public:
    TfrmDocumentOffer(TResourceLibrary& library, TDocumentOffer offer)
        : QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint), m_library(library),
          m_offer(std::move(offer)) {
        setObjectName("TfrmDocumentOffer");
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(tr("Orvane Live Browser"));
        auto* layout = new QVBoxLayout(this);
        auto* text = new QLabel(m_offer.senderName + tr(" requests you to open the following file:") +
                                "\r\n" + m_offer.record.FileName() + "\r\n" +
                                tr("Do you want to download and open this document?"));
        text->setWordWrap(true);
        text->setTextFormat(Qt::PlainText);
        text->setObjectName("text");
        layout->addWidget(text);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        layout->addWidget(buttons);
        buttons->button(QDialogButtonBox::Ok)->setDefault(true);
        buttons->button(QDialogButtonBox::Ok)->setFocus();
        connect(buttons, &QDialogButtonBox::accepted, this, [this] {
            m_answered = true;
            m_library.AcceptOffer(m_offer);
            close();
        });
        connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
        setMinimumWidth(360);
    }
    ~TfrmDocumentOffer() override {
        if (!m_answered)
            m_library.DeclineOffer(m_offer);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape)
            close();
        else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            m_answered = true;
            m_library.AcceptOffer(m_offer);
            close();
        } else
            QWidget::keyPressEvent(event);
    }

private:
    TResourceLibrary& m_library;
    TDocumentOffer m_offer;
    bool m_answered = false;
};

} // namespace

QObject* ShowDocumentOffer(TResourceLibrary& library, const TDocumentOffer& offer) {
    auto* box = new TfrmDocumentOffer(library, offer);
    box->show();
    box->raise();
    return box;
}

} // namespace orv
