namespace sets {}
