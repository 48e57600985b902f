// The carbonic acid picture, drawn as vectors: clean at any size.
#pragma once

class QPainter;
class QString;
class QRectF;

namespace acids {

// H2CO3 <-> H+ + HCO3- <-> 2H+ + CO3 2-, one species a row with the lattice's
// colour of its spot, and the two dissociation constants.
void carbonicPicture(QPainter &painter, const QRectF &box);
// What that picture shows, in words, for a listener.
QString carbonicPictureText();

} // namespace acids
