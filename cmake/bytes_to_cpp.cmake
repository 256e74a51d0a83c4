# bytes_to_cpp(<file> <out-var>): the bytes of <file> as the body of a C++
# array initialiser, sixteen to a line.
function(bytes_to_cpp file out_var)
  file(READ "${file}" hex HEX)
  string(REPEAT "[0-9a-f][0-9a-f]" 16 sixteen_bytes)
  string(REGEX REPLACE "(${sixteen_bytes})" "\\1\n    " hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(STRIP "${hex}" hex)
  set(${out_var} "    ${hex}" PARENT_SCOPE)
endfunction()
