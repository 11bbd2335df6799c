// Inside the table library: what the pile views need to know of the imagery.
#pragma once

// A number that changes whenever an image list is built, dropped or given a
// custom back, so a view can tell that its last picture may be out of date.
int CardImageryGeneration();
