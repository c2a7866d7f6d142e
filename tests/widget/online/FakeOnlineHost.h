#pragma once
// Records what the online parts show and ask; answers questions as told.

#include "online/OnlineHost.h"

#include <QStringList>
#include <QWidget>

class FakeOnlineHost : public lumo::OnlineHost {
public:
    void CloseMenu() override { ++menuClosed; }
    QWidget *MainWindow() const override { return mainWindow; }
    void ShowInfo(const QString &text) override { infos << text; }
    bool AskQuestion(const QString &text) override
    {
        questions << text;
        return answer;
    }
    void CloseWithoutSaving() override { ++closedWithoutSaving; }

    QWidget *mainWindow = nullptr;
    bool answer = false;
    int menuClosed = 0;
    int closedWithoutSaving = 0;
    QStringList infos;
    QStringList questions;
};
