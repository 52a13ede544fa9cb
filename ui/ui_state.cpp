#include "ui_state.h"

constinit UiState Ui;
