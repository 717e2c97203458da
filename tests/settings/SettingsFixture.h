#pragma once

#include "settings/PlacedWindow.h"
#include "settings/WinReg.h"
#include "support/FakePlatformServices.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>

// A window reduced to its placement, on a 1920 × 1080 desktop.
class FakeWindow final : public PlacedWindow {
public:
    explicit FakeWindow(QString name, QRect normal = QRect(100, 100, 640, 480))
        : current{WindowPlacement::State::Normal, normal}, name_(std::move(name))
    {
    }
    QString formName() const override { return name_; }
    WindowPlacement placement() const override { return current; }
    void setPlacement(const WindowPlacement& placement) override
    {
        current = placement;
        ++placements;
    }
    QRect desktop() const override { return QRect(0, 0, 1920, 1080); }

    WindowPlacement current;
    int placements = 0;

private:
    QString name_;
};

// Every test has its own per-user store and INI folder in a temporary folder,
// a scripted desktop, and the left Ctrl key under its control.
class SettingsTest : public ::testing::Test {
protected:
    SettingsTest()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }

    // A component on a fake window, as a form would carry it.
    std::unique_ptr<TWinReg> Component(TWinReg::Role role, const QString& formName, FakeWindow** window = nullptr)
    {
        auto WR = std::make_unique<TWinReg>(role);
        auto fake = std::make_unique<FakeWindow>(formName);
        if (window)
            *window = fake.get();
        WR->SetFenetre(std::move(fake));
        WR->setNomAppli(QStringLiteral("Tolvane"));
        WR->setDossierINI(dir.path());
        WR->setControlKeyQuery([this] { return leftControlHeld; });
        return WR;
    }
    std::unique_ptr<TWinReg> MainComponent(FakeWindow** window = nullptr)
    {
        return Component(TWinReg::Role::MainWindow, QStringLiteral("FBaseM2"), window);
    }

    void Prefill(const QString& organisation, const std::map<QString, QString>& values)
    {
        QSettings settings(organisation, QStringLiteral("Tolvane"));
        for (const auto& [key, value] : values)
            settings.setValue(key, value);
    }
    QString Stored(const QString& organisation, const QString& key)
    {
        return QSettings(organisation, QStringLiteral("Tolvane")).value(key).toString();
    }

    QTemporaryDir dir;
    FakePlatformServices platform;
    bool leftControlHeld = false;
};
