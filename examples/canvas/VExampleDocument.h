#pragma once

class VCanvas;

// Fills a canvas with one item of every kind the graphics model has.
void fillExampleDocument(VCanvas& canvas);
