namespace multi {}
