#include "app/AnnouncementLabel.h"

#include <QAccessibleWidget>

namespace orv {
namespace {

// Screen readers speak a notification when it starts showing, reading its name.
class AnnouncementAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* AnnouncementFactory(const QString& key, QObject* object) {
    if (key == QLatin1String(TAnnouncementLabel::staticMetaObject.className()) && object->isWidgetType())
        return new AnnouncementAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

TAnnouncementLabel::TAnnouncementLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncementFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName("announcement");
    setTextFormat(Qt::PlainText);
    hide();
}

void TAnnouncementLabel::Announce(const QString& text) {
    setText(text);
    setToolTip(text);
    // Hidden and shown again: the reader hears of each announcement as a notification appearing.
    hide();
    show();
}

} // namespace orv
