#pragma once
// One roster entry on screen: TOrvaneUserCanvas, the panel with the name, the status pictures and, when
// expanded, the photo, the type, the local time, "More Options" and the status badge, drawn over
// TOrvaneBorder. The panel shows what its TUserNode holds; what the user does with it goes to its list.

#include <QLabel>
#include <QWidget>

#include <cstdint>

namespace orv {

class TUserNode;

// A rounded rectangle whose corners are a seventh of its smaller side.
class TOrvaneBorder final : public QWidget {
public:
    explicit TOrvaneBorder(QWidget* parent);
    void SetBrush(const QColor& brush);
    QColor Brush() const { return m_brush; }
    // The corner ellipse's width and height for a shape of that size.
    static int CornerSize(const QSize& size, int penWidth = 1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_brush = Qt::white;
};

// A picture or text the mouse can click.
class TClickLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class TOrvaneUserCanvas final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCollapsedHeight = 20;
    static constexpr int kExpandedHeight = 75;

    TOrvaneUserCanvas(std::uint16_t userId, QWidget* parent);

    std::uint16_t UserId() const { return m_userId; }
    // Shows the entry as it is now; `selected` highlights it.
    void Show(const TUserNode& entry, bool selected);
    void SetPhoto(const QPixmap& photo);
    bool HasPhoto() const;

    // For tests and the accessibility walk.
    QString NameText() const;
    QString MikeHint() const;
    QString CamHint() const;
    QString BadgeText() const;
    bool MotionShown() const;
    bool Selected() const { return m_selected; }
    QRect PartGeometry(const char* objectName) const;

signals:
    void pressed(std::uint16_t userId);
    void toggleRequested(std::uint16_t userId);
    void menuRequested(std::uint16_t userId, const QPoint& globalPos);
    void mikeClicked(std::uint16_t userId);
    void camClicked(std::uint16_t userId);
    void stepRequested(std::uint16_t userId, int step); // arrow keys: to the entry before or after

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void showPicture(TClickLabel* label, int index, bool shown);

    std::uint16_t m_userId;
    TOrvaneBorder* m_border;
    QLabel* m_name;
    TClickLabel* m_mike;
    TClickLabel* m_cam;
    QLabel* m_motion;
    QLabel* m_queue;
    QLabel* m_activity;
    QWidget* m_photoFrame;
    QLabel* m_photo;
    QLabel* m_type;
    QLabel* m_localTime;
    TClickLabel* m_moreOptions;
    QLabel* m_badge;
    bool m_expanded = false;
    bool m_selected = false;
};

} // namespace orv
