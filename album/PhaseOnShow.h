#pragma once
// Which screen of the main window is on show: the title, the playing screen, or none
// before the main window is created. The main window and the sticker buttons hand their
// requests to it.

class GamePhase;

class PhaseOnShow {
public:
    GamePhase* Current() const { return m_phase; }
    void MakeCurrent(GamePhase* phase) { m_phase = phase; }

private:
    GamePhase* m_phase = nullptr;
};
