namespace learn {}
