#pragma once

#include <QString>

// The system clipboard (text only), behind a seam so logic tests keep their own.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual void clear() = 0;
};

class SystemClipboard final : public Clipboard {
public:
    QString text() const override;
    void setText(const QString &text) override;
    void clear() override;
};

class MemoryClipboard final : public Clipboard {
public:
    QString text() const override { return m_text; }
    void setText(const QString &text) override { m_text = text; }
    void clear() override { m_text.clear(); }

private:
    QString m_text;
};
