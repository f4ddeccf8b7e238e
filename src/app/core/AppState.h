#pragma once
// What the whole program shares for the whole run: the five preferences, whether
// the tool box is open, and the object last clicked on a tab.

#include <cstdint>

namespace plk {

struct AppOptions {
    std::int16_t Afficher = 0;   // 1: the task pane is hidden at start
    std::int16_t Animation = 0;  // 1: task-pane groups open without animation
    std::int16_t Position = 0;   // 1: the task pane sits on the right
    std::int16_t Maximiser = 0;  // 1: project windows open maximised
    std::int16_t Boite = 0;      // 1: the tool box shows after a project is opened
};

inline AppOptions Options;
inline bool BoiteVisible = false;
inline std::int16_t ObjetActif = 0;

}  // namespace plk
