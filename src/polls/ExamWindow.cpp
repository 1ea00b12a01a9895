#include "polls/ExamWindow.h"

#include "polls/PollAnswers.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv {
namespace {

constexpr int kButtonSize = 45;
constexpr int kButtonsPerRow = 9;

} // namespace

TfrmExam::TfrmExam(TPollAnswering& answering, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_answering(&answering), m_buttons(new QButtonGroup(this)), m_remaining(new QLabel),
      m_send(new QPushButton(tr("&Send"))), m_canCancel(answering.CanCancel()), m_caption(new QWidget) {
    setObjectName("examWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Reply to the following"));

    // The caption bar: the title and the close button; dragging it moves the window.
    m_caption->setObjectName("examCaption");
    m_caption->setAutoFillBackground(true);
    QPalette captionColours = m_caption->palette();
    captionColours.setColor(QPalette::Window, palette().color(QPalette::Highlight));
    captionColours.setColor(QPalette::WindowText, palette().color(QPalette::HighlightedText));
    m_caption->setPalette(captionColours);
    auto* title = new QLabel(windowTitle());
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* closeButton = new QToolButton;
    closeButton->setText(QStringLiteral("✕"));
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setAutoRaise(true);
    auto* captionRow = new QHBoxLayout(m_caption);
    captionRow->setContentsMargins(6, 2, 2, 2);
    captionRow->addWidget(title, 1);
    captionRow->addWidget(closeButton);
    m_caption->installEventFilter(this);
    title->installEventFilter(this);

    auto* panel = new QLabel(tr("Please reply to the following"));
    panel->setFont(bold);
    auto* question = new QPlainTextEdit(answering.Record().Question());
    question->setReadOnly(true);
    question->setAccessibleName(tr("Question"));
    question->setTabChangesFocus(true);
    question->setFixedHeight(question->fontMetrics().lineSpacing() * 4 + 12);
    auto* instruction = new QLabel(tr("Please, mark your answer and press the Send button"));

    auto* countdown = new QHBoxLayout;
    countdown->setSpacing(6);
    countdown->addWidget(new QLabel(tr("Time to close")));
    m_remaining->setFont(bold);
    countdown->addWidget(m_remaining);
    countdown->addStretch();

    auto* answersPanel = new QWidget;
    auto* grid = new QGridLayout(answersPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    QFont small = font();
    small.setPointSize(8);
    const std::vector<int> offered = answering.Offered();
    for (std::size_t i = 0; i < offered.size(); ++i) {
        auto* button = new QToolButton;
        button->setText(PollAnswers::Name(offered[i]));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFixedSize(kButtonSize, kButtonSize);
        button->setFont(small);
        button->setStyleSheet("QToolButton { color: black; border: 1px solid #a0a0a0; }"
                              "QToolButton:checked { background: #c8d8f0; border: 2px solid #305080; }");
        m_buttons->addButton(button, offered[i]);
        grid->addWidget(button, int(i) / kButtonsPerRow, int(i) % kButtonsPerRow, Qt::AlignLeft);
    }
    grid->setColumnStretch(kButtonsPerRow, 1);
    connect(m_buttons, &QButtonGroup::idClicked, this, [this](int number) {
        if (m_answering)
            m_answering->Choose(number);
    });

    QPushButton* send = m_send;
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setVisible(answering.CanCancel());
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(send);
    buttonRow->addWidget(cancel);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 10);
    body->addWidget(panel);
    body->addWidget(question);
    body->addWidget(instruction);
    body->addLayout(countdown);
    body->addWidget(answersPanel);
    body->addLayout(buttonRow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_caption);
    layout->addLayout(body);
    setStyleSheet("#examWindow { border: 1px solid palette(dark); }");

    connect(send, &QPushButton::clicked, this, [this] {
        if (m_answering)
            m_answering->Send();
    });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(closeButton, &QToolButton::clicked, this, &QWidget::close);
    connect(&answering, &TPollAnswering::RemainingChanged, this,
            [this](int seconds) { m_remaining->setText(QString::number(seconds)); });
    connect(&answering, &TPollAnswering::Closed, this, &QWidget::close);
    m_remaining->setText(QString::number(answering.Remaining()));
}

QStringList TfrmExam::AnswerCaptions() const {
    QStringList captions;
    for (QAbstractButton* button : m_buttons->buttons())
        captions << button->text();
    return captions;
}

void TfrmExam::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_started || !m_answering)
        return;
    m_started = true;
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    m_answering->Start();
    // A poll wants an answer: the keyboard starts on the first one (the arrows move between them, Space
    // marks one, Alt+S sends).
    if (!m_buttons->buttons().isEmpty())
        m_buttons->buttons().constFirst()->setFocus(Qt::ActiveWindowFocusReason);
    activateWindow();
}

void TfrmExam::closeEvent(QCloseEvent* event) {
    if (m_answering)
        m_answering->Close();
    event->accept();
}

void TfrmExam::keyPressEvent(QKeyEvent* event) {
    // Enter sends, Escape cancels where cancelling is allowed.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!qobject_cast<QAbstractButton*>(focusWidget()) || focusWidget() == m_send)
            m_send->click();
        else
            QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Escape && m_canCancel) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TfrmExam::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        m_dragFrom = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & Qt::LeftButton)
            move(mouse->globalPosition().toPoint() - m_dragFrom);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orv
