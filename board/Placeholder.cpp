// Replaced by the board sources.
