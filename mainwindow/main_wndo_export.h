#pragma once

#include "export/data_table.h"
#include "export/window_picture.h"

class MainWndo;

// Registers the window's handlers for File › Export Picture…, Export Data… and Print… and for
// Edit › Copy Picture. Only the main window has them, so only its menus enable the items.
void AddExportHandlers(MainWndo& window);

// What the window's picture shows: both plots, with their curves once a frame has drawn them, and
// the six phasors, with the captions over them and each phasor's state ("n=1") beside it, where its
// radio button stands.
exporting::PictureParts PictureOf(const MainWndo& window);
// The state as it is now, with the fields as they read.
exporting::StateRecord RecordOf(const MainWndo& window);
