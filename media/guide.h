#pragma once
// The guide character as the screens drive it. Every call returns at once; the character carries
// out the requests in order, each after the one before has finished. "Stop" drops what it is doing
// and everything still pending; only "Show" makes it visible. Positions are pixels of the
// 800 x 600 design desktop. A request it cannot carry out is dropped quietly.
#include <QString>

class Guide {
public:
    virtual ~Guide() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void gestureAt(int x, int y) = 0;
    virtual void play(const QString& animation) = 0;
    virtual void speak(const QString& text) = 0;
    virtual void stop() = 0;
};
