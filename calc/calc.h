#pragma once

// The computations of Mirtavo, free of any window code. A computation takes the texts of its
// window's fields and returns what the click shows, in order.
//
//   numbers.h        text to number, the rounding rules and the three text forms of a number
//   outcome.h        a click's ordered steps and the error trap that ends one early
//   messages.h       the program's messages, word for word
//   alpha.h          coefficient alpha from variances
//   spearmanbrown.h  reliability from the number of items and the inter-item correlation
//   interitem.h      the inter-item correlation that alpha implies
//   itemsneeded.h    the number of items a desired reliability needs
//   itemlimit.h      the item limit of a negative correlation and its messages
//   table.h          the reliability table over a range of item counts

#include "calc/alpha.h"
#include "calc/interitem.h"
#include "calc/itemsneeded.h"
#include "calc/messages.h"
#include "calc/numbers.h"
#include "calc/outcome.h"
#include "calc/spearmanbrown.h"
#include "calc/table.h"
