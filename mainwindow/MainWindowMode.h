#pragma once

// The two sets of visible and enabled controls of the main window.
enum class MainWindowMode { Search, Reading };
