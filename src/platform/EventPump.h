#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

// Lets pending window input run inside long loops, so a stop button can be pressed.
// Yields at most every `intervalMs` so that a tight loop is not slowed by the pump.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

class ApplicationEventPump final : public EventPump {
public:
    explicit ApplicationEventPump(int intervalMs = 15) : m_intervalMs(intervalMs) { m_sinceLast.start(); }
    void processEvents() override
    {
        if (m_sinceLast.elapsed() < m_intervalMs)
            return;
        QCoreApplication::processEvents();
        m_sinceLast.restart();
    }

private:
    int m_intervalMs;
    QElapsedTimer m_sinceLast;
};
