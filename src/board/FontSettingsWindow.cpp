#include "board/FontSettingsWindow.h"

#include "board/BoardTools.h"
#include "board/ColorChoiceBox.h"

#include <QFontComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QSpinBox>

namespace orv {

TFontsForm::TFontsForm(TBoardTools& tools, std::function<void()> refocus, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_tools(tools), m_refocus(std::move(refocus)), m_color(new TColorChoiceBox(this)),
      m_font(new QFontComboBox(this)), m_size(new QSpinBox(this)) {
    setObjectName("FontsForm");
    setWindowTitle(tr("Font Settings"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_size->setRange(6, 100);
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Colour:"), m_color);
    form->addRow(tr("&Font:"), m_font);
    form->addRow(tr("&Size:"), m_size);
    connect(m_color, &TColorChoiceBox::ColorChosen, this, [this] { changed(); });
    connect(m_font, &QFontComboBox::currentFontChanged, this, [this] { changed(); });
    connect(m_size, &QSpinBox::valueChanged, this, [this] { changed(); });
}

void TFontsForm::ShowBeside() {
    const TTextBoxFont& font = m_tools.TextBox().Font();
    m_filling = true;
    m_color->SetColor(font.color);
    m_font->setCurrentFont(QFont(font.name));
    m_size->setValue(font.points);
    m_filling = false;
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - frameGeometry().width() + 1, area.top());
    }
    show();
}

void TFontsForm::changed() {
    if (m_filling)
        return;
    m_tools.ChangeTextFont({m_font->currentFont().family(), m_size->value(), m_color->Color()});
    if (m_refocus)
        m_refocus();
}

} // namespace orv
