#include "appshare/AppShareViewWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace orv {

// The shared picture, drawn at the widget's size; forwards the mouse and keys while in control.
class TSharePicture final : public QWidget {
public:
    explicit TSharePicture(IAppShareViewInput& input, QWidget* parent) : QWidget(parent), m_input(input) {
        setAccessibleName(tr("Shared screen"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    const QImage* picture = nullptr;
    bool inControl = false;

    // A part of the picture in widget coordinates (rounded outwards).
    QRect toWidget(const QRect& area) const {
        if (!picture || picture->isNull())
            return rect();
        const double sx = double(width()) / picture->width(), sy = double(height()) / picture->height();
        return QRect(
            QPoint(int(std::floor(area.left() * sx)), int(std::floor(area.top() * sy))),
            QPoint(int(std::ceil((area.right() + 1) * sx)), int(std::ceil((area.bottom() + 1) * sy))));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setClipRect(event->rect());
        if (!picture || picture->isNull()) {
            painter.fillRect(event->rect(), palette().window());
            return;
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform, size() != picture->size());
        painter.drawImage(rect(), *picture);
    }
    void mousePressEvent(QMouseEvent* e) override {
        setFocus(Qt::MouseFocusReason);
        forward(IAppShareViewInput::TMouseAction::Press, e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override { forward(IAppShareViewInput::TMouseAction::Release, e); }
    void mouseMoveEvent(QMouseEvent* e) override { forward(IAppShareViewInput::TMouseAction::Move, e); }
    void keyPressEvent(QKeyEvent* e) override {
        if (!inControl)
            return QWidget::keyPressEvent(e);
        m_input.KeyInput(e->key(), false);
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        if (!inControl)
            return QWidget::keyReleaseEvent(e);
        m_input.KeyInput(e->key(), true);
    }
    bool focusNextPrevChild(bool next) override {
        // Tab belongs to the host while in control.
        return inControl ? false : QWidget::focusNextPrevChild(next);
    }

private:
    void forward(IAppShareViewInput::TMouseAction action, QMouseEvent* e) {
        if (!inControl)
            return;
        TMouseButton button = TMouseButton::Left;
        if (e->button() == Qt::RightButton)
            button = TMouseButton::Right;
        else if (e->button() == Qt::MiddleButton)
            button = TMouseButton::Middle;
        m_input.MouseInput(action, button, e->position(), size());
    }

    IAppShareViewInput& m_input;
};

TfrmAppShareViewWindow::TfrmAppShareViewWindow(IAppShareViewInput& input, QWidget* parent)
    : QWidget(parent), m_input(input) {
    setObjectName("TfrmAppShareViewWindow");
    setWindowTitle(tr("Application Sharing"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_strip = new QWidget(this);
    m_strip->setFixedHeight(25);
    auto* strip = new QHBoxLayout(m_strip);
    strip->setContentsMargins(4, 0, 4, 0);
    auto* scaling = new QLabel(tr("Scaling Options"), m_strip);
    auto* original = new QPushButton(tr("Show In Original Size"), m_strip);
    auto* fit = new QPushButton(tr("Fit In My Window"), m_strip);
    auto* hide = new QPushButton(tr("Hide This Toolbox"), m_strip);
    for (QPushButton* b : {original, fit, hide})
        b->setFlat(true);
    strip->addWidget(scaling);
    strip->addWidget(original);
    strip->addWidget(fit);
    strip->addWidget(hide);
    strip->addStretch();
    m_title = new QLabel(m_strip);
    strip->addWidget(m_title);
    layout->addWidget(m_strip);

    m_scroll = new QScrollArea(this);
    m_scroll->setAccessibleName(tr("Application Sharing"));
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture = new TSharePicture(input, m_scroll);
    m_scroll->setWidget(m_picture);
    layout->addWidget(m_scroll, 1);

    m_pointer = new QLabel(m_picture);
    m_pointer->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pointer->setFixedSize(32, 32);
    m_pointer->hide();

    connect(original, &QPushButton::clicked, this, [this] { ShowOriginalSize(); });
    connect(fit, &QPushButton::clicked, this, [this] { FitInWindow(); });
    connect(hide, &QPushButton::clicked, m_strip, &QWidget::hide);
}

void TfrmAppShareViewWindow::SetTitle(const QString& title) {
    m_title->setText(QString(title).replace('\t', ' '));
}

void TfrmAppShareViewWindow::SetPicture(const QImage* picture) {
    m_picture->picture = picture;
    placePicture();
}

void TfrmAppShareViewWindow::PictureChanged(const QRect& area) {
    m_picture->update(m_picture->toWidget(area));
}

void TfrmAppShareViewWindow::SetPointer(QPoint topLeft, const QImage& image) {
    m_pointerTopLeft = topLeft;
    m_pointer->setPixmap(QPixmap::fromImage(image));
    placePicture();
    m_pointer->show();
}

void TfrmAppShareViewWindow::SetInControl(bool inControl) {
    m_picture->inControl = inControl;
    m_picture->setMouseTracking(inControl);
    m_picture->setFocusPolicy(inControl ? Qt::StrongFocus : Qt::NoFocus);
}

void TfrmAppShareViewWindow::Clear() {
    SetInControl(false);
    m_picture->picture = nullptr;
    m_pointer->hide();
    m_title->clear();
    m_picture->update();
}

void TfrmAppShareViewWindow::ShowOriginalSize() {
    m_fit = false;
    placePicture();
}

void TfrmAppShareViewWindow::FitInWindow() {
    m_fit = true;
    placePicture();
}

QSize TfrmAppShareViewWindow::ShownSize() const {
    return m_picture->size();
}

QPoint TfrmAppShareViewWindow::PointerPlace() const {
    return m_pointer->pos();
}

void TfrmAppShareViewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePicture();
}

void TfrmAppShareViewWindow::placePicture() {
    const QImage* picture = m_picture->picture;
    QSize shown = m_scroll->viewport()->size();
    if (picture && !picture->isNull() && !m_fit)
        shown = picture->size();
    if (shown != m_picture->size())
        m_picture->resize(shown.expandedTo(QSize(1, 1)));
    if (picture && !picture->isNull()) {
        const int left =
            int(std::lround(double(m_pointerTopLeft.x()) * m_picture->width() / picture->width()));
        const int top =
            int(std::lround(double(m_pointerTopLeft.y()) * m_picture->height() / picture->height()));
        m_pointer->move(left, top);
    }
    m_picture->update();
}

} // namespace orv
