// The search lists the sender address checks open: the destination stations
// of a country (starting at the rows of the typed city) or the airport
// directory of a country, each as the transfer-list form of the user
// interface, its chosen row handed back as a station choice.
#pragma once

#include "unitAddressSearchList.h"

class QWidget;

// Opens the lists over wParent.
TAddressChooser fnAddressSearchChooser(QWidget *wParent);
