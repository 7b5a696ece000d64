#pragma once
// Installs the maker of every component kind with the studio's factory.

void RegisterComponentKinds();
