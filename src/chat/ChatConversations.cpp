#include "chat/ChatConversations.h"

#include "chat/ChatLineWriter.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace orv {
namespace {

const QString kLogFont = QStringLiteral("Tahoma");

void ApplyFontSize(QTextDocument& log, int points) {
    log.setDefaultFont(QFont(kLogFont, points));
    QTextCursor all(&log);
    all.select(QTextCursor::Document);
    QTextCharFormat size;
    size.setFontPointSize(points);
    all.mergeCharFormat(size);
}

} // namespace

ChatConversations::ChatConversations(Clock clock, QObject* parent)
    : QObject(parent), m_clock(std::move(clock)) {}

ChatConversations::~ChatConversations() = default;

void ChatConversations::AddChatLine(std::uint16_t partner, const QString& name, TChatLineKind kind,
                                    TColor color, const QString& text) {
    AppendChatLine(FindOrCreate(partner), name, kind, color, text, {m_fontSize, m_showTiming, m_clock()});
    emit LineAdded(partner);
}

QTextDocument* ChatConversations::FindConversation(std::uint16_t partner) const {
    const auto it =
        std::find_if(m_logs.begin(), m_logs.end(), [&](const auto& c) { return c.first == partner; });
    return it == m_logs.end() ? nullptr : it->second.get();
}

QTextDocument& ChatConversations::CreateConversation(std::uint16_t partner) {
    auto log = std::make_unique<QTextDocument>();
    log->setDefaultFont(QFont(kLogFont, m_fontSize));
    log->setUndoRedoEnabled(false);
    QTextDocument& created = *log;
    m_logs.emplace_back(partner, std::move(log));
    emit Created(partner);
    return created;
}

QTextDocument& ChatConversations::FindOrCreate(std::uint16_t partner) {
    QTextDocument* found = FindConversation(partner);
    return found ? *found : CreateConversation(partner);
}

std::vector<std::uint16_t> ChatConversations::Partners() const {
    std::vector<std::uint16_t> partners;
    for (const auto& [partner, log] : m_logs)
        partners.push_back(partner);
    return partners;
}

void ChatConversations::ClearAll() {
    for (const auto& [partner, log] : m_logs) {
        log->clear();
        log->setDefaultFont(QFont(kLogFont, m_fontSize));
    }
}

void ChatConversations::DiscardAll() {
    emit Discarding();
    m_logs.clear();
}

void ChatConversations::SetFontSize(int points) {
    m_fontSize = points;
    for (const auto& [partner, log] : m_logs)
        ApplyFontSize(*log, points);
}

} // namespace orv
