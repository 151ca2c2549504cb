#pragma once

#include "toolkit/Resources.h"

#include <initializer_list>
#include <optional>
#include <variant>
#include <vector>

namespace tk {

class CWnd;
struct CreateStruct {
    int templateId = 0;
};

// What a window can bind in its message map: an event (paint, creation, the drag-icon question) or a
// command from a control, with its notification code.
enum class MessageKind { Paint, Create, QueryDragIcon, Command };

class MessageMapBase {
public:
    MessageMapBase() = default;
    MessageMapBase(const MessageMapBase&) = delete;
    MessageMapBase& operator=(const MessageMapBase&) = delete;
    virtual ~MessageMapBase() = default;

    virtual bool Command(CWnd& window, int id, int code) const = 0;
    virtual bool Paint(CWnd& window) const = 0;
    [[nodiscard]] virtual std::optional<int> Create(CWnd& window, CreateStruct* create) const = 0;
    [[nodiscard]] virtual std::optional<HICON> QueryDragIcon(CWnd& window) const = 0;
};

template <class T> struct MessageEntry {
    MessageKind kind = MessageKind::Command;
    int id = 0;
    int code = 0;
    std::variant<void (T::*)(), int (T::*)(CreateStruct*), HICON (T::*)()> handler;
};

// A static table binding messages to member functions of T; the first matching entry handles it.
template <class T> class MessageMap final : public MessageMapBase {
public:
    MessageMap(std::initializer_list<MessageEntry<T>> entries) : m_entries(entries) {}

    bool Command(CWnd& window, int id, int code) const override
    {
        for (const auto& entry : m_entries) {
            if (entry.kind == MessageKind::Command && entry.id == id && entry.code == code) {
                (static_cast<T&>(window).*std::get<void (T::*)()>(entry.handler))();
                return true;
            }
        }
        return false;
    }

    bool Paint(CWnd& window) const override
    {
        for (const auto& entry : m_entries) {
            if (entry.kind == MessageKind::Paint) {
                (static_cast<T&>(window).*std::get<void (T::*)()>(entry.handler))();
                return true;
            }
        }
        return false;
    }

    [[nodiscard]] std::optional<int> Create(CWnd& window, CreateStruct* create) const override
    {
        for (const auto& entry : m_entries) {
            if (entry.kind == MessageKind::Create) {
                return (static_cast<T&>(window).*std::get<int (T::*)(CreateStruct*)>(entry.handler))(create);
            }
        }
        return std::nullopt;
    }

    [[nodiscard]] std::optional<HICON> QueryDragIcon(CWnd& window) const override
    {
        for (const auto& entry : m_entries) {
            if (entry.kind == MessageKind::QueryDragIcon) {
                return (static_cast<T&>(window).*std::get<HICON (T::*)()>(entry.handler))();
            }
        }
        return std::nullopt;
    }

private:
    std::vector<MessageEntry<T>> m_entries;
};

template <class T> MessageEntry<T> OnPaintMessage(void (T::*handler)())
{
    return {MessageKind::Paint, 0, 0, handler};
}
template <class T> MessageEntry<T> OnCreateMessage(int (T::*handler)(CreateStruct*))
{
    return {MessageKind::Create, 0, 0, handler};
}
template <class T> MessageEntry<T> OnQueryDragIconMessage(HICON (T::*handler)())
{
    return {MessageKind::QueryDragIcon, 0, 0, handler};
}
// A button's click, or a menu-style command: notification code 0.
template <class T> MessageEntry<T> OnCommandMessage(int id, void (T::*handler)())
{
    return {MessageKind::Command, id, 0, handler};
}
template <class T> MessageEntry<T> OnNotifyMessage(int id, int code, void (T::*handler)())
{
    return {MessageKind::Command, id, code, handler};
}

}  // namespace tk
