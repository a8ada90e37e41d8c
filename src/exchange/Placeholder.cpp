namespace exchange {}
