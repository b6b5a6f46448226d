#pragma once
// The eleven screens of the program; each has exactly one instance, known by this name.
#include <QString>
#include <array>

enum class ScreenId {
    Form1,
    Form2,
    Form3,
    Form4,
    Form5,
    Form6,
    Form7,
    Form8,
    Form9,
    Form10,
    Form11
};

constexpr int kScreenCount = 11;

constexpr std::array<ScreenId, kScreenCount> kAllScreens = {
    ScreenId::Form1, ScreenId::Form2,  ScreenId::Form3, ScreenId::Form4,
    ScreenId::Form5, ScreenId::Form6,  ScreenId::Form7, ScreenId::Form8,
    ScreenId::Form9, ScreenId::Form10, ScreenId::Form11};

constexpr int indexOf(ScreenId id) {
    return static_cast<int>(id);
}

inline QString nameOf(ScreenId id) {
    return QStringLiteral("Form%1").arg(indexOf(id) + 1);
}
